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

// Chooses the dialog's "Print to File (PDF)" and a file name, and prints as a user does, so the
// dialog's own checks and settings apply.
static DialogScript::Answer printToFile(const QString &path)
{
    return [path](QWidget *dialog) {
        auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
        auto *fileName = dialog->findChild<QLineEdit *>(QStringLiteral("filename"));
        if (!printers || !fileName)
            return dialog->close(), void();
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
    if (!pdftotext.waitForFinished() || pdftotext.exitCode() != 0)
        return QString();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// The lines that carry text, each with its blanks and tabs made single blanks.
static QStringList textLines(const QString &text)
{
    QStringList lines;
    for (const QString &line : text.split(QRegularExpression(QStringLiteral("[\n\f]")))) {
        if (!line.simplified().isEmpty())
            lines << line.simplified();
    }
    return lines;
}

class tst_Print : public WindowTest
{
    Q_OBJECT

    // Prints the meeting, loaded and selected, with the dialog answered; returns the status
    // bar's messages.
    QStringList print(Meeting *meeting, const DialogScript::Answer &answer)
    {
        state().load({meeting});
        state().select(0);
        QSignalSpy messages(window->statusBar(), &QStatusBar::messageChanged);
        DialogScript script({answer});
        window->filePrint();
        QStringList texts;
        for (const QList<QVariant> &message : std::as_const(messages))
            texts << message.value(0).toString();
        return texts;
    }

private slots:
    // Every line of the report reaches paper once, in order, over as many pages as it takes.
    void longReportGoesOnOverPages()
    {
        QStringList problems;
        for (int i = 0; i < 40; ++i)
            problems << QStringLiteral("Problem %1").arg(i);
        Meeting *meeting = makeMeeting("Long", problems);

        const QStringList messages = print(meeting, printToFile(path("long.pdf")));

        const QString text = pdfText(path("long.pdf"));
        QCOMPARE(textLines(text), textLines(MeetingReport::text(*meeting)));
        const int pages = int(text.count(u'\f'));
        QVERIFY2(pages > 3, qPrintable(QString::number(pages)));
        QStringList expected {"Printing..."};
        for (int page = 2; page <= pages; ++page)
            expected << QStringLiteral("Printing (page %1)...").arg(page);
        QCOMPARE(messages, expected << "Printing completed");
    }

    // The text after a tab starts at the same tab stop whatever came before it on the line.
    void tabsAreExpanded()
    {
        Meeting *meeting = makeMeeting("Tabs", {}, {});
        meeting->notes = QStringLiteral("a\tleft\nabcd\tright");

        print(meeting, printToFile(path("tabs.pdf")));

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
        QTest::addColumn<bool>("diskFull");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("dialog cancelled") << false << QStringList {"Printing aborted"};
        QTest::newRow("disk full") << true << QStringList {"Printing...", "Printing aborted"};
    }

    // A print that did not reach its end never says it completed. A file-size limit cuts the
    // PDF as a full disk does, even for root.
    void failedPrintSaysAborted()
    {
        QFETCH(bool, diskFull);
        QFETCH(QStringList, messages);
        const auto limit = limitFileSize(diskFull ? 4096 : RLIM_INFINITY);

        const QStringList shown = print(makeMeeting("Cut", {"A", "B", "C"}),
                                        diskFull ? printToFile(path("cut.pdf")) : cancel());

        QCOMPARE(shown, messages);
    }
};

QTEST_MAIN(tst_Print)
#include "tst_print.moc"
