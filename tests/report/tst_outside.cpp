#include <QDir>
#include <QFileInfo>
#include <QStatusBar>
#include <QTemporaryDir>

#include "report/htmlattachment.h"
#include "report/transformprocess.h"
#include "support/documents.h"
#include "support/frmmaininspector.h"
#include "support/records.h"
#include "support/standins.h"

// The programs a notification starts, misbehaving in each way they can.
class tst_Outside : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<frmMain> window;
    std::unique_ptr<StandIns> standIns;
    QString startFolder;

    frmMainInspector state() const { return frmMainInspector(*window); }
    QString path(const QString &name) const { return dir->filePath(name); }

    // A meeting saved to a document of its own, selected, and its notification started.
    void notify(Meeting *meeting)
    {
        state().meetings()->append(meeting);
        meeting->fileName = path("meeting.xml");
        writeFile(meeting->fileName, state().meetingFileContents(0));
        state().rebuildTree();
        state().select(0);
        state().sendNotification();
    }
    bool notificationRuns() const { return !window->findChildren<TransformProcess *>().isEmpty(); }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        standIns = std::make_unique<StandIns>(dir->path());
        window = std::make_unique<frmMain>();
        window->show();
        startFolder = QDir::currentPath();
        QDir::setCurrent(QStringLiteral(MOOTRAK_SHARE_DIR)); // as the run command starts it
    }
    void cleanup()
    {
        for (const QString &attachment : std::as_const(*state().tempFiles()))
            QFile::remove(attachment);
        window.reset();
        QDir::setCurrent(startFolder);
    }

    void xsltprocOutcomes_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<bool>("mailed");
        QTest::addColumn<QByteArray>("attached"); // when mailed
        QTest::newRow("killed") << QByteArray("printf '<html>part'; kill -9 $$\n") << false
                                << QByteArray();
        QTest::newRow("exit 1 with partial output")
            << QByteArray("printf '<html>partial'; exit 1\n") << true
            << QByteArray("<html>partial");
        QByteArray large(10 * 1024 * 1024, '\0');
        for (qsizetype i = 0; i < large.size(); ++i)
            large[i] = char((i * 7 + i / 4096) % 256);
        QTest::newRow("10 MB, every byte value")
            << QByteArray("cat \"$here/large\"\n") << true << large;
    }

    // A killed run mails nothing; a run that exits with an error still mails what it printed.
    void xsltprocOutcomes()
    {
        QFETCH(QByteArray, script);
        QFETCH(bool, mailed);
        QFETCH(QByteArray, attached);
        writeFile(path("large"), attached);
        standIns->install("xsltproc", script);
        const auto restore = standIns->onPath();
        if (!mailed)
            QTest::ignoreMessage(QtDebugMsg, "Can't send notification");

        notify(makeMeeting("Outcome", {"A"}));

        QTRY_VERIFY2(!notificationRuns(), "the run has not ended");
        QTRY_COMPARE(standIns->calls().size(), mailed ? 1 : 0); // the mail client runs detached
        if (mailed)
            QCOMPARE(readFile(standIns->calls().at(0).value(5)), attached);
    }
    // xsltproc finds no stylesheet when started elsewhere: it fails, and the mail goes all the
    // same, with an empty page.
    void missingStylesheetStillMails()
    {
        const auto restore = standIns->onPath();
        QDir::setCurrent(dir->path());

        notify(makeMeeting("Elsewhere", {"A"}));

        QTRY_COMPARE(standIns->calls().size(), 1);
        QCOMPARE(readFile(standIns->calls().at(0).value(5)), QByteArray());
    }

    // An xsltproc that never ends keeps nothing waiting, and is ended at Exit.
    void neverEndingXsltprocEndsAtExit()
    {
        standIns->install("xsltproc", "echo $$ > \"$here/pid\"; exec sleep 600\n");
        const auto restore = standIns->onPath();
        notify(makeMeeting("Endless", {"A"}));
        QTRY_VERIFY(QFile::exists(path("pid")));
        const QString process = "/proc/" + QString::fromLatin1(readFile(path("pid")).trimmed());
        QVERIFY2(QFileInfo::exists(process), qPrintable(process));

        window->fileExit();

        QVERIFY2(!QFileInfo::exists(process), "xsltproc outlived Exit");
        QVERIFY(!notificationRuns());
        QCOMPARE(standIns->calls().size(), 0);
    }

    // No shell is involved: every character reaches the mail client as typed, in one argument.
    void hostileTextReachesTheMailClientUnchanged()
    {
        const auto restore = standIns->onPath();
        const QString marker = path("ran");
        const QString subject
            = "-s \"quoted\" 'single' $(touch " + marker + "); `touch " + marker + "`\nsecond line";
        Meeting *meeting = makeMeeting(subject, {"A"}, {"Ann"});
        meeting->participants->at(0)->email = "-x;a@b $(touch " + marker + ")\"'";

        notify(meeting);

        QTRY_COMPARE(standIns->calls().size(), 1);
        const QStringList arguments = standIns->calls().at(0);
        QCOMPARE(arguments.value(1), "Meeting: " + subject);
        QCOMPARE(arguments.value(6), meeting->participants->at(0)->email + ",r0@example.org,");
        QVERIFY2(!QFile::exists(marker), "a shell ran the text");
    }

    // A link planted at the final name is replaced, not written through.
    void plantedLinkIsReplaced()
    {
        const QString written = path("mtABCDEF");
        const QString target = path("target");
        QVERIFY(writeFile(written, "<html>page"));
        QVERIFY(QFile::link(target, written + ".html"));

        QString failure;
        const QString name = HtmlAttachment::giveHtmlName(QFile::encodeName(written), failure);

        QCOMPARE(name, written + ".html");
        QVERIFY2(!QFileInfo(name).isSymLink(), "the link is still there");
        QCOMPARE(readFile(name), QByteArray("<html>page"));
        QVERIFY2(!QFile::exists(target), "written through the link");
    }
};

QTEST_MAIN(tst_Outside)
#include "tst_outside.moc"
