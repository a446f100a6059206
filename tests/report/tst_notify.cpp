#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStatusBar>

#include <optional>

#include "report/htmlattachment.h"
#include "report/stylesheetfolder.h"
#include "report/transformprocess.h"
#include "support/dialogscript.h"
#include "support/documents.h"
#include "support/records.h"
#include "support/standins.h"
#include "support/windowtest.h"

using namespace Answers;

static const QString saveFirst
    = QStringLiteral("Mootrak e-Mail notification | You should save meeting first");

class tst_Notify : public WindowTest
{
    Q_OBJECT

    std::optional<StandIns> standIns;
    QString oldFolder;
    QList<QStringList> calls(const QString &program = QStringLiteral("kmail")) const
    {
        return standIns->calls(program);
    }
    // Loaded from a document of its own, as Open leaves it, and shown in the tree.
    Meeting *loadSaved(Meeting *meeting)
    {
        state().meetings()->append(meeting);
        meeting->fileName = path(meeting->subject.left(6) + ".xml");
        writeFile(meeting->fileName, state().meetingFileContents(state().meetings()->size() - 1));
        state().rebuildTree();
        return meeting;
    }
    // Saved, selected, and its notification started.
    void notify(Meeting *meeting)
    {
        loadSaved(meeting);
        state().select(state().meetings()->size() - 1);
        state().sendNotification();
    }
    bool notificationRuns() const { return !window->findChildren<TransformProcess *>().isEmpty(); }

private slots:
    // The stand-ins first on PATH, and the program in the folder of the shipped stylesheet, as
    // the run command starts it.
    void init()
    {
        WindowTest::init();
        standIns.emplace(dir->path());
        oldFolder = QDir::currentPath();
        QDir::setCurrent(QStringLiteral(MOOTRAK_SHARE_DIR));
    }
    void cleanup()
    {
        QDir::setCurrent(oldFolder);
        standIns.reset();
        WindowTest::cleanup();
    }

    // Subject with blanks as one argument, the report as body, and every address in list order:
    // a person listed twice, an empty address, and the trailing comma. The attachment is the
    // meeting's page.
    void mailClientGetsTheMeeting()
    {
        Meeting *meeting = makeMeeting(QStringLiteral("Budget review \u2013 Z\u00fcrich"), {"A"},
                                       {"Ann", "Bob"});
        meeting->participants->at(1)->email.clear();
        meeting->problems->at(0)->responsibles->append(meeting->participants->at(0));
        loadSaved(meeting);
        state().select(0);

        state().sendNotification();

        QTRY_COMPARE(calls().size(), 1);
        const QStringList arguments = calls().at(0);
        const QString attachment = arguments.value(5);
        QVERIFY2(QRegularExpression("^/tmp/mtX.{6}\\.html$").match(attachment).hasMatch(),
                 qPrintable(attachment));
        QCOMPARE(arguments,
                 QStringList({"-s", "Meeting: " + meeting->subject, "--body",
                              state().buildEmailBody(0), "--attach", attachment,
                              "ann@example.org,,r0@example.org,ann@example.org,"}));
        const QByteArray html = readFile(attachment);
        QVERIFY2(html.contains(meeting->subject.toUtf8()), html.left(400).constData());
    }

    void unsavedMeetingIsSavedFirst_data()
    {
        QTest::addColumn<QString>("chosenName"); // in the save dialog; empty: cancelled
        QTest::addColumn<bool>("saved"); // and so mailed
        QTest::newRow("saved") << "new.xml" << true;
        QTest::newRow("save cancelled") << "" << false;
        QTest::newRow("save failed") << "taken/below.xml" << false;
    }

    // A notification attaches the file on disk, so it goes on only once the save really wrote it.
    void unsavedMeetingIsSavedFirst()
    {
        QFETCH(QString, chosenName);
        QFETCH(bool, saved);
        writeFile(path("taken"), "a file where the failed save wants a folder");
        Meeting *meeting = makeMeeting("Unsaved", {"A"});
        meeting->markModified();
        state().load({meeting});
        state().select(0);

        if (!saved)
            QTest::ignoreMessage(QtDebugMsg, "Notification canceled");
        // The last answer closes the error box of a failed save.
        DialogScript script({press(Qt::Key_Return),
                             chosenName.isEmpty() ? cancel() : chooseFile(path(chosenName)),
                             press(Qt::Key_Return)});
        state().sendNotification();

        QCOMPARE(script.seen.value(0), saveFirst);
        QCOMPARE(meeting->fileName, saved ? path(chosenName) : QString());
        QCOMPARE(notificationRuns(), saved);
        if (saved)
            QTRY_COMPARE(calls().size(), 1);
    }

    void mailIsForTheMeetingItStartedWith_data()
    {
        QTest::addColumn<bool>("deleteIt");
        QTest::newRow("another meeting selected") << false;
        QTest::newRow("the meeting deleted") << true;
    }

    // The selection may change while xsltproc runs: the mail still goes out for the first meeting.
    void mailIsForTheMeetingItStartedWith()
    {
        QFETCH(bool, deleteIt);
        loadSaved(makeMeeting("First", {"A"}));
        loadSaved(makeMeeting("Second", {"B"}, {"Sue"}));
        state().select(0);

        state().sendNotification();
        if (deleteIt) {
            DialogScript script({click("&Yes")});
            state().delMeeting();
        }
        state().select(deleteIt ? 0 : 1);

        QTRY_COMPARE(calls().size(), 1);
        QCOMPARE(calls().at(0).value(1), "Meeting: First");
        QCOMPARE(calls().at(0).value(6), "ann@example.org,r0@example.org,");
    }

    // Started one after the other, each notification mails its own page; Exit removes both.
    void twoNotificationsKeepTheirOwnAttachments()
    {
        loadSaved(makeMeeting("First", {"A"}));
        loadSaved(makeMeeting("Second", {"B"}));
        state().select(0);
        state().sendNotification();
        state().select(1);
        state().sendNotification();

        QTRY_COMPARE(calls().size(), 2);
        QStringList attachments;
        for (const QStringList &arguments : calls()) {
            const QString subject = arguments.value(1).mid(QStringLiteral("Meeting: ").size());
            const QString page = QString::fromUtf8(readFile(arguments.value(5)));
            QVERIFY2(page.contains("<title>Meeting: " + subject + "</title>"), qPrintable(subject));
            QCOMPARE(page.count("<title>"), 1);
            attachments << arguments.value(5);
        }

        window->fileExit();

        for (const QString &attachment : std::as_const(attachments))
            QVERIFY2(!QFile::exists(attachment), qPrintable(attachment));
    }

    // A program that cannot start never finishes: the notification ends at once, and says so.
    void missingXsltprocIsReported()
    {
        standIns->alone();
        loadSaved(makeMeeting("First", {"A"}));
        state().select(0);

        QTest::ignoreMessage(QtDebugMsg, "xsltproc didn't start");
        state().sendNotification();

        QTRY_COMPARE(window->statusBar()->currentMessage(),
                     "No notification sent: xsltproc didn't start");
        QTRY_VERIFY2(!notificationRuns(), "the failed run is still there");
        QCOMPARE(calls().size(), 0);
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
        if (!mailed)
            QTest::ignoreMessage(QtDebugMsg, "Can't send notification");

        notify(makeMeeting("Outcome", {"A"}));

        QTRY_VERIFY2(!notificationRuns(), "the run has not ended");
        QTRY_COMPARE(calls().size(), mailed ? 1 : 0); // the mail client runs detached
        if (mailed)
            QCOMPARE(readFile(calls().at(0).value(5)), attached);
    }

    // An xsltproc that never ends keeps nothing waiting, and is ended at Exit.
    void neverEndingXsltprocEndsAtExit()
    {
        standIns->install("xsltproc", "echo $$ > \"$here/pid\"; exec sleep 600\n");
        notify(makeMeeting("Endless", {"A"}));
        QTRY_VERIFY(QFile::exists(path("pid")));
        const QString process = "/proc/" + QString::fromLatin1(readFile(path("pid")).trimmed());
        QVERIFY2(QFileInfo::exists(process), qPrintable(process));

        window->fileExit();

        QVERIFY2(!QFileInfo::exists(process), "xsltproc outlived Exit");
        QVERIFY(!notificationRuns());
        QCOMPARE(calls().size(), 0);
    }

    void desktopMailWithoutKmail_data()
    {
        QTest::addColumn<bool>("kmail");
        QTest::addColumn<bool>("xdgEmail");
        QTest::addColumn<QString>("called"); // the program given the mail; empty: none
        QTest::newRow("kmail there") << true << true << "kmail";
        QTest::newRow("no kmail, xdg-email") << false << true << "xdg-email";
        QTest::newRow("neither") << false << false << "";
    }

    // Without kmail the same mail goes to xdg-email, every address after its own --to; kmail's
    // arguments stay as they were.
    void desktopMailWithoutKmail()
    {
        QFETCH(bool, kmail);
        QFETCH(bool, xdgEmail);
        QFETCH(QString, called);
        standIns->alone();
        standIns->install("xsltproc", "printf '<html>page'\n");
        if (!kmail)
            standIns->remove("kmail");
        if (xdgEmail)
            standIns->installRecorder("xdg-email");
        Meeting *meeting = makeMeeting("Fallback", {"A"}, {"Ann", "Bob"});
        meeting->participants->at(1)->email = QStringLiteral("-bob@example.org");

        notify(meeting);

        QTRY_VERIFY2(!notificationRuns(), "the run has not ended");
        if (called.isEmpty()) {
            QTRY_COMPARE(window->statusBar()->currentMessage(),
                         "No notification sent: kmail didn't start");
            return;
        }
        QTRY_COMPARE(calls(called).size(), 1);
        QCOMPARE(calls(called == "kmail" ? "xdg-email" : "kmail").size(), 0);
        const QStringList arguments = calls(called).at(0);
        if (called == "kmail") {
            QCOMPARE(arguments.value(6), "ann@example.org,-bob@example.org,r0@example.org,");
            return;
        }
        const QString attachment = arguments.value(6);
        QCOMPARE(
            arguments,
            QStringList({"--utf8", "--subject", "Meeting: Fallback", "--body",
                         state().buildEmailBody(0), "--attach", attachment, "--to",
                         "ann@example.org", "--to", "-bob@example.org", "--to", "r0@example.org"}));
        QCOMPARE(readFile(attachment), QByteArray("<html>page"));
    }

    void attachmentFailureTellsWhy_data()
    {
        QTest::addColumn<QString>("nameTemplate"); // in the test's folder
        QTest::addColumn<qint64>("sizeLimit");
        QTest::addColumn<QString>("failure");
        const qint64 none = qint64(RLIM_INFINITY);
        QTest::newRow("folder missing")
            << "missing/mtXXXXXX" << none << "mkstemp failed: No such file or directory";
        QTest::newRow("folder is a regular file")
            << "taken/mtXXXXXX" << none << "mkstemp failed: Not a directory";
        QTest::newRow("disk full")
            << "mtXXXXXX" << qint64(4) << "TMP file not written: File too large";
    }

    // Root-proof: a file-size limit stands for a full disk. The failing call's own errno is told,
    // and no file is left behind.
    void attachmentFailureTellsWhy()
    {
        QFETCH(QString, nameTemplate);
        QFETCH(qint64, sizeLimit);
        QFETCH(QString, failure);
        QVERIFY(writeFile(path("taken"), "a file where a folder is wanted"));

        QString told;
        QString name;
        {
            const auto limit = limitFileSize(rlim_t(sizeLimit));
            name = HtmlAttachment::write("<html>page", told, QFile::encodeName(path(nameTemplate)));
        }

        QCOMPARE(name, QString());
        QCOMPARE(told, failure);
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList({"taken"}));
    }

    // Moving a file onto a folder fails; the file goes.
    void renameFailureTellsWhy()
    {
        const QString written = path("mtABCDEF");
        QVERIFY(writeFile(written, "<html>page"));
        QVERIFY(QDir(dir->path()).mkpath("mtABCDEF.html/inside"));

        QString told;
        const QString name = HtmlAttachment::giveHtmlName(QFile::encodeName(written), told);

        QCOMPARE(name, QString());
        QCOMPARE(told, "rename failed: Is a directory");
        QVERIFY2(!QFile::exists(written), "the file is still there");
    }

    void xsltprocRunsWhereTheStylesheetIs_data()
    {
        QTest::addColumn<bool>("ownStylesheet"); // in the folder the program is started in
        QTest::newRow("installed one") << false;
        QTest::newRow("own one first") << true;
    }

    // The program, copied into an installed layout, runs xsltproc where a stylesheet is.
    void xsltprocRunsWhereTheStylesheetIs()
    {
        QFETCH(bool, ownStylesheet);
        const QString program = path("usr/bin/mootrak");
        const QString data = QDir::cleanPath(path("usr/bin/" MOOTRAK_DATA_FROM_BIN));
        const QString started = path("work");
        QVERIFY(QDir().mkpath(path("usr/bin")) && QDir().mkpath(data) && QDir().mkpath(started));
        QVERIFY(QFile::copy(QStringLiteral(STYLESHEET_PROBE), program));
        QVERIFY(writeFile(data + "/mootrak.xsl", "<installed/>"));
        if (ownStylesheet)
            QVERIFY(writeFile(started + "/mootrak.xsl", "<own/>"));

        QProcess probe;
        probe.setWorkingDirectory(started);
        probe.start(program);
        QVERIFY2(probe.waitForFinished(), qPrintable(probe.errorString()));
        QCOMPARE(QString::fromLocal8Bit(probe.readAllStandardOutput()),
                 ownStylesheet ? started : data);
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

QTEST_MAIN(tst_Notify)
#include "tst_notify.moc"
