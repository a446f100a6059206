// SPDX-License-Identifier: GPL-3.0-or-later
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStatusBar>

#include "report/meetingreport.h"
#include "support/dialogscript.h"
#include "support/documents.h"
#include "support/records.h"
#include "support/windowtest.h"

using namespace Answers;

// Chooses the print dialog's "Print to File (PDF)" and a file name, and prints as a user does,
// so the dialog's own checks and settings apply.
static DialogScript::Answer printToFile(const QString &path)
{
    return [path](QWidget *dialog) {
        auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
        auto *fileName = dialog->findChild<QLineEdit *>(QStringLiteral("filename"));
        if (!printers || !fileName)
            return void(dialog->close());
        printers->setCurrentIndex(printers->findText(QStringLiteral("Print to File (PDF)")));
        fileName->setText(path);
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    };
}

// The text of a PDF as pdftotext reads it; "-layout" keeps lines and columns, "-bbox" gives
// every word's place instead.
static QString pdfText(const QString &pdf, const QString &mode = QStringLiteral("-layout"))
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {mode, pdf, QStringLiteral("-")});
    const bool read = pdftotext.waitForFinished() && pdftotext.exitCode() == 0;
    return read ? QString::fromUtf8(pdftotext.readAllStandardOutput()) : QString();
}

// The lines that carry text, each with its blanks and tabs made single blanks.
static QStringList textLines(const QString &text)
{
    QStringList lines;
    for (const QString &line : text.split(QRegularExpression(QStringLiteral("[\n\f]"))))
        lines << line.simplified();
    lines.removeAll(QString());
    return lines;
}

static const QString sixtyHyphens(60, u'-');
static const QString lastLine
    = QStringLiteral("------------------- Last line --------------------------");

class tst_Report : public WindowTest
{
    Q_OBJECT

    QStringList seen, informative; // the last print's dialogs, and its boxes' informative texts

    // The status bar messages of one print.
    QStringList print(Meeting *meeting, const Script &answers)
    {
        state().load({meeting});
        state().select(0);
        QSignalSpy messages(window->statusBar(), &QStatusBar::messageChanged);
        DialogScript script(answers);
        window->filePrint();
        seen = script.seen;
        informative = script.informativeTexts;
        QStringList texts;
        for (const QList<QVariant> &message : std::as_const(messages))
            texts << message.value(0).toString();
        return texts;
    }

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

    // Every line of the report reaches paper once, in order, over as many pages as it takes.
    void longReportGoesOnOverPages()
    {
        Meeting *meeting = makeMeeting("Long", QStringList(40, "Problem")); // each its own "#i"

        const QStringList messages = print(meeting, {printToFile(path("long.pdf"))});

        const QString text = pdfText(path("long.pdf"));
        QCOMPARE(textLines(text), textLines(MeetingReport::text(*meeting)));
        const int pages = int(text.count(u'\f'));
        QVERIFY2(pages > 3, qPrintable(QString::number(pages)));
        QStringList expected {"Printing..."};
        for (int page = 2; page <= pages; ++page)
            expected << QStringLiteral("Printing (page %1)...").arg(page);
        QCOMPARE(messages, expected << "Printing completed");
    }

    // A line wider than the page goes on over the next lines and pages, broken after a word or
    // inside a word longer than a line: every character reaches paper, in order.
    void longLineWraps()
    {
        QString line; // some 4,000 characters, no part repeated
        for (int i = 0; line.size() < 2000; ++i)
            line += QStringLiteral("word%1 ").arg(i);
        for (int i = 0; line.size() < 4000; ++i)
            line += QString::number(i); // one word of 2,000 characters
        Meeting *meeting = makeMeeting("Wide", {});
        meeting->decisionText = meeting->notes = line;

        print(meeting, {printToFile(path("wide.pdf"))});

        const QRegularExpression blanks(QStringLiteral("\\s"));
        QCOMPARE(pdfText(path("wide.pdf")).remove(blanks),
                 MeetingReport::text(*meeting).remove(blanks));
    }

    // The text after a tab starts at the same tab stop whatever came before it on the line.
    void tabsAreExpanded()
    {
        Meeting *meeting = makeMeeting("Tabs", {}, {});
        meeting->notes = QStringLiteral("a\tleft\nabcd\tright");

        print(meeting, {printToFile(path("tabs.pdf"))});

        const QString words = pdfText(path("tabs.pdf"), QStringLiteral("-bbox"));
        const auto xMin = [&words](const QString &word) {
            const QRegularExpression pattern("xMin=\"([0-9.]+)\"[^>]*>" + word + "</word>");
            return pattern.match(words).captured(1);
        };
        QVERIFY2(!xMin("left").isEmpty(), qPrintable(words));
        QCOMPARE(xMin("right"), xMin("left"));
    }

    void failedPrintSaysAborted_data()
    {
        QTest::addColumn<QString>("target"); // empty: the dialog is cancelled
        QTest::addColumn<qint64>("sizeLimit");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("told"); // a word of the box that names the file, if any
        const QStringList cut {"Printing...", "Printing aborted"};
        const qint64 none = qint64(RLIM_INFINITY);
        QTest::newRow("dialog cancelled") << "" << none << QStringList {"Printing aborted"} << "";
        QTest::newRow("disk full") << "cut.pdf" << qint64(4096) << cut << "disk";
        QTest::newRow("a folder") << "." << none << cut << "folder";
        QTest::newRow("below a regular file") << "file.pdf/cut.pdf" << none << cut << "folder";
    }

    // A print that did not reach its end never says it completed, and a file it could not write
    // is named, with the reason. A file-size limit cuts the PDF as a full disk does, even for
    // root.
    void failedPrintSaysAborted()
    {
        QFETCH(QString, target);
        QFETCH(qint64, sizeLimit);
        QFETCH(QStringList, messages);
        QFETCH(QString, told);
        QVERIFY(writeFile(path("file.pdf"), "taken"));
        const auto limit = limitFileSize(rlim_t(sizeLimit));
        const QString file = QDir::cleanPath(path(target));

        const QStringList shown
            = print(makeMeeting("Cut", {"A", "B", "C"}),
                    {target.isEmpty() ? cancel() : printToFile(file), press(Qt::Key_Return)});

        QCOMPARE(shown, messages);
        QCOMPARE(seen.size(), told.isEmpty() ? 1 : 2);
        if (!told.isEmpty()) {
            QCOMPARE(seen.at(1), "Printing aborted | Cannot print to file " + file);
            QVERIFY2(informative.value(0).contains(told), qPrintable(informative.value(0)));
        }
    }
};

QTEST_MAIN(tst_Report)
#include "tst_report.moc"
