#include "report/meetingreport.h"

#include "support/frmmaininspector.h"
#include "support/records.h"

static const QString sixtyHyphens(60, u'-');
static const QString lastLine
    = QStringLiteral("------------------- Last line --------------------------");

class tst_Report : public QObject
{
    Q_OBJECT

private slots:
    void text_data();
    void text();
    void noMeetingGivesNullText_data();
    void noMeetingGivesNullText();
};

void tst_Report::text_data()
{
    QTest::addColumn<MeetingValue>("meeting");
    QTest::addColumn<QStringList>("lines");

    const QDateTime thursday(QDate(2003, 3, 6), QTime(14, 30, 0));
    const QDateTime friday(QDate(2003, 3, 14), QTime(9, 5, 7));
    const Person ann {"Ann", "Smith", "Chair", "ann@example.org", "100"};
    const Person bob {"Bob", "Doe", "Clerk", "", "200"};

    // The layout's table, with a decision over two lines and a responsible without e-mail.
    QTest::newRow("one of each")
        << MeetingValue {"Budget",
                         thursday,
                         "Room 4",
                         "Spend less\nand earn more",
                         "Next week",
                         {ann},
                         {{"Travel", "Too much travel", "Ask HR", "Halve it", friday, {bob}}}}
        << QStringList {"Subject: Budget",
                        "At Room 4 Thu Mar 6 14:30:00 2003",
                        "",
                        "Decision:",
                        "Spend less",
                        "and earn more",
                        "",
                        "Notes:",
                        "Next week",
                        "",
                        "Participants:",
                        "Ann, Smith\tChair\tmailto:ann@example.org\tPhone: 100",
                        sixtyHyphens,
                        "",
                        "Problems:",
                        "",
                        "Travel",
                        "Too much travel",
                        "\tDecision:",
                        "Halve it",
                        "\tDue to: Fri Mar 14 09:05:07 2003",
                        "\tResponsibles:",
                        "Bob, Doe\tClerk\tmailto:\tPhone: 200",
                        "\tNotes:",
                        "Ask HR",
                        "",
                        "",
                        lastLine};
    // Empty texts and lists, and a null date, still give every heading and separator.
    QTest::newRow("empty meeting")
        << MeetingValue {}
        << QStringList {"Subject: ",     "At  ",       "", "Decision:", "", "", "Notes:", "", "",
                        "Participants:", sixtyHyphens, "", "Problems:", "", "", lastLine};
}

// Split at line breaks, the last line shows there is no final line break.
void tst_Report::text()
{
    QFETCH(MeetingValue, meeting);
    QFETCH(QStringList, lines);

    const QString report = MeetingReport::text(*recordOf(meeting));

    QCOMPARE(report.split(u'\n'), lines);
}

void tst_Report::noMeetingGivesNullText_data()
{
    QTest::addColumn<int>("position");
    QTest::newRow("none selected") << -1;
    QTest::newRow("past the end") << 1;
}

void tst_Report::noMeetingGivesNullText()
{
    QFETCH(int, position);
    frmMain window;
    frmMainInspector(window).meetings()->append(makeMeeting("Only", {"A"}));

    QTest::ignoreMessage(QtDebugMsg, "No meeting choosed");
    const QString report = frmMainInspector(window).buildEmailBody(position);

    QVERIFY2(report.isNull(), qPrintable(report));
}

QTEST_MAIN(tst_Report)
#include "tst_report.moc"
