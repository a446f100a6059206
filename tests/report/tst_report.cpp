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
    void text_data()
    {
        QTest::addColumn<MeetingValue>("meeting");
        QTest::addColumn<QString>("report");

        const QDateTime thursday(QDate(2003, 3, 6), QTime(14, 30, 0));
        const QDateTime friday(QDate(2003, 3, 14), QTime(9, 5, 7));
        const Person ann {"Ann", "Smith", "Chair", "ann@example.org", "100"};
        const Person bob {"Bob", "Doe", "Clerk", "", "200"};
        const ProblemValue travel {"Travel", "Too much travel", "Ask HR", "Halve it", friday,
                                   {bob}};

        // The layout's table, with a decision over two lines and a responsible without e-mail.
        // %1 is the separator line, %2 the last line.
        QTest::newRow("one of each")
            << MeetingValue {"Budget",    thursday, "Room 4", "Spend less\nand earn more",
                             "Next week", {ann},    {travel}}
            << QString("Subject: Budget\nAt Room 4 Thu Mar 6 14:30:00 2003\n\n"
                       "Decision:\nSpend less\nand earn more\n\nNotes:\nNext week\n\n"
                       "Participants:\nAnn, Smith\tChair\tmailto:ann@example.org\tPhone: 100\n"
                       "%1\n\nProblems:\n\nTravel\nToo much travel\n"
                       "\tDecision:\nHalve it\n\tDue to: Fri Mar 14 09:05:07 2003\n"
                       "\tResponsibles:\nBob, Doe\tClerk\tmailto:\tPhone: 200\n"
                       "\tNotes:\nAsk HR\n\n\n%2")
                   .arg(sixtyHyphens, lastLine);
        // Empty texts and lists, and a null date, still give every heading and separator.
        QTest::newRow("empty meeting")
            << MeetingValue {}
            << QString("Subject: \nAt  \n\nDecision:\n\n\nNotes:\n\n\nParticipants:\n"
                       "%1\n\nProblems:\n\n\n%2")
                   .arg(sixtyHyphens, lastLine);
    }

    // Compared line by line; the last line shows there is no final line break.
    void text()
    {
        QFETCH(MeetingValue, meeting);
        QFETCH(QString, report);
        QCOMPARE(MeetingReport::text(*recordOf(meeting)).split(u'\n'), report.split(u'\n'));
    }

    void noMeetingGivesNullText_data()
    {
        QTest::addColumn<int>("position");
        QTest::newRow("none selected") << -1;
        QTest::newRow("past the end") << 1;
    }

    void noMeetingGivesNullText()
    {
        QFETCH(int, position);
        frmMain window;
        frmMainInspector(window).meetings()->append(makeMeeting("Only", {"A"}));

        QTest::ignoreMessage(QtDebugMsg, "No meeting choosed");
        const QString report = frmMainInspector(window).buildEmailBody(position);

        QVERIFY2(report.isNull(), qPrintable(report));
    }
};

QTEST_MAIN(tst_Report)
#include "tst_report.moc"
