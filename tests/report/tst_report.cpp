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
    const Person bob {"Bob", "Doe", "Clerk", "bob@example.org", "200"};
    const QString annLine = "Ann, Smith\tChair\tmailto:ann@example.org\tPhone: 100";
    const QString bobLine = "Bob, Doe\tClerk\tmailto:bob@example.org\tPhone: 200";

    QTest::newRow("one of each")
        << MeetingValue {"Budget",
                         thursday,
                         "Room 4",
                         "Spend less",
                         "Next week",
                         {ann},
                         {{"Travel", "Too much travel", "Ask HR", "Halve it", friday, {bob}}}}
        << QStringList {"Subject: Budget",
                        "At Room 4 Thu Mar 6 14:30:00 2003",
                        "",
                        "Decision:",
                        "Spend less",
                        "",
                        "Notes:",
                        "Next week",
                        "",
                        "Participants:",
                        annLine,
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
                        bobLine,
                        "\tNotes:",
                        "Ask HR",
                        "",
                        "",
                        lastLine};
    QTest::newRow("empty meeting")
        << MeetingValue {}
        << QStringList {"Subject: ",     "At  ",       "", "Decision:", "", "", "Notes:", "", "",
                        "Participants:", sixtyHyphens, "", "Problems:", "", "", lastLine};
    QTest::newRow("multi-line texts, empty fields")
        << MeetingValue {"Plan\nB",
                         thursday,
                         "",
                         "First\nSecond",
                         "",
                         {{"", "", "", "", ""}},
                         {{"A", "Line 1\nLine 2", "N1\n\nN2", "", QDateTime(), {}}}}
        << QStringList {"Subject: Plan",
                        "B",
                        "At  Thu Mar 6 14:30:00 2003",
                        "",
                        "Decision:",
                        "First",
                        "Second",
                        "",
                        "Notes:",
                        "",
                        "",
                        "Participants:",
                        ", \t\tmailto:\tPhone: ",
                        sixtyHyphens,
                        "",
                        "Problems:",
                        "",
                        "A",
                        "Line 1",
                        "Line 2",
                        "\tDecision:",
                        "",
                        "\tDue to: ",
                        "\tResponsibles:",
                        "\tNotes:",
                        "N1",
                        "",
                        "N2",
                        "",
                        "",
                        lastLine};
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
