#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>

#include "report/meetingreport.h"
#include "support/dialogscript.h"
#include "support/frmmaininspector.h"
#include "support/records.h"

#include <csignal>
#include <sys/resource.h>

using namespace Answers;

// Chooses the dialog's "Print to File (PDF)" and a file name, and prints as a user does, so the
// dialog's own checks and settings apply.
static DialogScript::Answer printToFile(const QString &path)
{
    return [path](QWidget *dialog) {
        auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
        auto *fileName = dialog->findChild<QLineEdit *>(QStringLiteral("filename"));
        if (!printers || !fileName) {
            dialog->close();
            return;
        }
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

class tst_Print : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<frmMain> window;

    // The meeting loaded and selected, as Print finds it.
    void select(Meeting *meeting)
    {
        frmMainInspector state(*window);
        state.load({meeting});
        state.select(0);
    }
    // Prints with the dialog answered, and returns the status bar's messages.
    QStringList print(const Script &answers)
    {
        QSignalSpy messages(window->statusBar(), &QStatusBar::messageChanged);
        DialogScript script(answers);
        window->filePrint();
        QStringList texts;
        for (const QList<QVariant> &message : std::as_const(messages))
            texts << message.value(0).toString();
        return texts;
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        window = std::make_unique<frmMain>();
        window->show();
    }
    void cleanup()
    {
        window.reset();
        dir.reset();
    }
    void longReportGoesOnOverPages();
    void tabsAreExpanded();
    void failedPrintSaysAborted_data();
    void failedPrintSaysAborted();
};

// Every line of the report reaches paper once, in order, over as many pages as it takes.
void tst_Print::longReportGoesOnOverPages()
{
    QStringList problems;
    for (int i = 0; i < 40; ++i)
        problems << QStringLiteral("Problem %1").arg(i);
    Meeting *meeting = makeMeeting("Long", problems);
    select(meeting);
    const QString pdf = dir->filePath("long.pdf");

    const QStringList messages = print({printToFile(pdf)});

    const QString text = pdfText(pdf);
    QCOMPARE(textLines(text), textLines(MeetingReport::text(*meeting)));
    const int pages = int(text.count(u'\f'));
    QVERIFY2(pages > 3, qPrintable(QString::number(pages)));
    QStringList expected {"Printing..."};
    for (int page = 2; page <= pages; ++page)
        expected << QStringLiteral("Printing (page %1)...").arg(page);
    QCOMPARE(messages, expected << "Printing completed");
}

// The text after a tab starts at the same tab stop whatever came before it on the line.
void tst_Print::tabsAreExpanded()
{
    Meeting *meeting = makeMeeting("Tabs", {}, {});
    meeting->notes = QStringLiteral("a\tleft\nabcd\tright");
    select(meeting);
    const QString pdf = dir->filePath("tabs.pdf");

    print({printToFile(pdf)});

    const QString words = pdfText(pdf, QStringLiteral("-bbox"));
    const auto xMin = [&words](const QString &word) {
        const QRegularExpression pattern("xMin=\"([0-9.]+)\"[^>]*>" + word + "</word>");
        return pattern.match(words).captured(1);
    };
    QVERIFY2(!xMin("left").isEmpty(), qPrintable(words));
    QCOMPARE(xMin("right"), xMin("left"));
}

void tst_Print::failedPrintSaysAborted_data()
{
    QTest::addColumn<bool>("diskFull");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("dialog cancelled") << false << QStringList {"Printing aborted"};
    QTest::newRow("disk full") << true << QStringList {"Printing...", "Printing aborted"};
}

// A print that did not reach its end never says it completed. A file-size limit cuts the PDF
// as a full disk does, even for root.
void tst_Print::failedPrintSaysAborted()
{
    QFETCH(bool, diskFull);
    QFETCH(QStringList, messages);
    select(makeMeeting("Cut", {"A", "B", "C"}));
    rlimit saved;
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto restore = qScopeGuard([saved] {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, SIG_DFL);
    });
    if (diskFull) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small {4096, saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &small);
    }

    const QStringList shown = print({diskFull ? printToFile(dir->filePath("cut.pdf")) : cancel()});

    QCOMPARE(shown, messages);
}

QTEST_MAIN(tst_Print)
#include "tst_print.moc"
