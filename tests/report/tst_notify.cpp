// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStatusBar>

#include <optional>

#include "report/htmlattachment.h"
#include "report/meetingreport.h"
#include "report/transformprocess.h"
#include "support/dialogscript.h"
#include "support/documents.h"
#include "support/records.h"
#include "support/windowtest.h"

using namespace Answers;

// What a notification meets while the stand-ins live: the folder of the shipped stylesheet as
// the current one, as the run command starts the program, and the stand-ins first on PATH, among
// them `kmail`, a recorder.
class StandIns
{
public:
    explicit StandIns(const QString &folder)
        : folder(folder)
        , oldPath(qgetenv("PATH"))
        , oldFolder(QDir::currentPath())
    {
        installRecorder("kmail");
        qputenv("PATH", QFile::encodeName(folder + "/bin") + ':' + oldPath);
        QDir::setCurrent(QStringLiteral(MOOTRAK_SHARE_DIR));
    }
    ~StandIns()
    {
        qputenv("PATH", oldPath);
        QDir::setCurrent(oldFolder);
    }

    // A program that keeps each call's arguments, NUL-terminated, in a file of its own under
    // calls-<program>/, moved into place whole.
    void installRecorder(const QString &program) const
    {
        QDir().mkpath(folder + "/calls-" + program);
        install(program,
                "calls=\"$here/calls-$(basename \"$0\")\"\n"
                "part=$(mktemp \"$calls/.part.XXXXXX\")\n"
                "for a in \"$@\"; do printf '%s\\0' \"$a\"; done > \"$part\"\n"
                "mv \"$part\" \"$calls/call${part##*.part}\"\n");
    }

    void remove(const QString &program) const { QFile::remove(folder + "/bin/" + program); }

    // A shell script under that name; "$here" is the stand-ins' folder.
    void install(const QString &program, const QByteArray &script) const
    {
        const QString path = folder + "/bin/" + program;
        QDir().mkpath(folder + "/bin");
        writeFile(path, "#!/bin/sh\nhere=\"$(dirname \"$0\")/..\"\n" + script);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }

    // Leaves the system's folders off PATH: only the tools the stand-ins' scripts use are
    // reached, so no program of the machine is found.
    void alone() const
    {
        QDir().mkpath(folder + "/tools");
        for (const char *tool : {"basename", "dirname", "mktemp", "mv", "cat", "sleep"})
            QFile::link(QStandardPaths::findExecutable(tool), folder + "/tools/" + tool);
        qputenv("PATH", QFile::encodeName(folder + "/bin:" + folder + "/tools"));
    }

    // The arguments of every call of a recording program so far, in no particular order.
    QList<QStringList> calls(const QString &program = QStringLiteral("kmail")) const
    {
        QList<QStringList> all;
        const QDir calls(folder + "/calls-" + program);
        for (const QString &name : calls.entryList({"call*"}, QDir::Files)) {
            all << QString::fromUtf8(readFile(calls.filePath(name))).split(QChar(0));
            all.last().removeLast(); // after the last NUL
        }
        return all;
    }

    const QString folder;

private:
    const QByteArray oldPath;
    const QString oldFolder;
};

// The pages notifications wrote, as their traces name them; every message goes on to QtTest.
static QStringList writtenPages;
static QtMessageHandler testLog = nullptr;
static void notePage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("FILE: ")))
        writtenPages << message.mid(6);
    testLog(type, context, message);
}

class tst_Notify : public WindowTest
{
    Q_OBJECT

    std::optional<StandIns> standIns;

    // Loaded from a document of its own, as Open leaves it, and shown in the tree.
    void loadSaved(Meeting *meeting)
    {
        meeting->fileName = path(meeting->subject.left(6) + ".xml");
        writeFile(meeting->fileName, written(*meeting));
        state().load({meeting});
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
    void init()
    {
        WindowTest::init();
        standIns.emplace(dir->path());
        writtenPages.clear();
        testLog = qInstallMessageHandler(notePage);
    }
    void cleanup()
    {
        qInstallMessageHandler(testLog);
        standIns.reset();
        WindowTest::cleanup();
    }

    void notificationOutcomes_data()
    {
        QTest::addColumn<QByteArray>("xsltproc"); // the stand-in's script; empty: none
        QTest::addColumn<QStringList>("mailers"); // the mail programs there
        QTest::addColumn<QString>("called"); // the one given the mail; empty: none
        QTest::addColumn<QString>("failure"); // told in the status bar
        QTest::addColumn<QByteArray>("attached"); // when mailed; empty: no attachment
        const QByteArray page("printf '<html>page'\n");
        const QStringList both {"kmail", "xdg-email"};
        QByteArray large(10 * 1024 * 1024, '\0');
        for (qsizetype i = 0; i < large.size(); ++i)
            large[i] = char((i * 7 + i / 4096) % 256);
        const QString none; // no mail program called, no failure
        QTest::newRow("kmail there") << page << both << "kmail" << none << QByteArray("<html>page");
        QTest::newRow("no kmail, xdg-email")
            << page << QStringList {"xdg-email"} << "xdg-email" << none << QByteArray("<html>page");
        QTest::newRow("no mail program")
            << page << QStringList() << none
            << "neither kmail nor xdg-email could be started (kmail: execv: No such file or "
               "directory; xdg-email: execv: No such file or directory)"
            << QByteArray();
        QTest::newRow("no xsltproc")
            << QByteArray() << both << none << "xsltproc didn't start" << QByteArray();
        QTest::newRow("xsltproc killed")
            << QByteArray("printf '<html>part'; kill -9 $$\n") << both << "kmail"
            << "xsltproc crashed" << QByteArray();
        QTest::newRow("xsltproc exits 1 after partial output")
            << QByteArray("printf '<html>partial'; printf '\\nfirst error\\nsecond' >&2; exit 1\n")
            << QStringList {"xdg-email"} << "xdg-email"
            << "xsltproc failed with exit code 1: first error" << QByteArray();
        QTest::newRow("xsltproc writes nothing") << QByteArray("exit 0\n") << both << "kmail"
                                                 << "xsltproc wrote nothing" << QByteArray();
        QTest::newRow("10 MB, every byte value")
            << QByteArray("cat \"$here/large\"\n") << both << "kmail" << none << large;
    }

    // kmail gets the subject, blanks and all, as one argument, the report as body, the page, and
    // every address in list order, a person listed twice, an empty address and the trailing comma
    // included; without kmail, xdg-email gets each after its own --to. A page xsltproc failed to
    // make, or made empty, is not attached, and the status bar tells its first error line.
    // Without xsltproc or a mail program nothing is mailed, no page is left, and the status bar
    // says why.
    void notificationOutcomes()
    {
        QFETCH(QByteArray, xsltproc);
        QFETCH(QStringList, mailers);
        QFETCH(QString, called);
        QFETCH(QString, failure);
        QFETCH(QByteArray, attached);
        writeFile(path("large"), attached);
        standIns->alone();
        if (!xsltproc.isEmpty())
            standIns->install("xsltproc", xsltproc);
        if (!mailers.contains("kmail"))
            standIns->remove("kmail");
        if (mailers.contains("xdg-email"))
            standIns->installRecorder("xdg-email");
        if (!failure.isEmpty())
            QTest::ignoreMessage(QtDebugMsg, qPrintable(failure));
        Meeting *meeting = makeMeeting(QStringLiteral("Budget review \u2013 Z\u00fcrich"), {"A"},
                                       {"Ann", "Bob", "Cid"});
        meeting->participants->at(1)->email = QStringLiteral("-bob@example.org");
        meeting->participants->at(2)->email.clear();
        meeting->problems->at(0)->responsibles->append(meeting->participants->at(0));

        notify(meeting);

        QTRY_VERIFY2(!notificationRuns(), "the run has not ended");
        QTRY_COMPARE(window->statusBar()->currentMessage(),
                     failure.isEmpty()      ? "Notification handed to the mail client"
                         : called.isEmpty() ? "No notification sent: " + failure
                                            : "Notification handed to the mail client without its "
                                              "page: "
                             + failure);
        QTRY_COMPARE(standIns->calls("kmail").size(), called == "kmail" ? 1 : 0);
        QTRY_COMPARE(standIns->calls("xdg-email").size(), called == "xdg-email" ? 1 : 0);
        for (const QString &page : std::as_const(writtenPages))
            QVERIFY2(QFile::exists(page) == !called.isEmpty(), qPrintable(page));
        if (called.isEmpty())
            return;
        const QStringList arguments = standIns->calls(called).at(0);
        QStringList attachment;
        if (!attached.isEmpty()) {
            attachment
                = QStringList {"--attach", arguments.value(arguments.indexOf("--attach") + 1)};
            QVERIFY2(QRegularExpression("^/tmp/mtX.{6}\\.html$").match(attachment.at(1)).hasMatch(),
                     qPrintable(attachment.at(1)));
            QCOMPARE(readFile(attachment.at(1)), attached);
        }
        const QString subject = "Meeting: " + meeting->subject;
        const QString body = state().buildEmailBody(0);
        QCOMPARE(arguments,
                 called == "kmail"
                     ? QStringList({"-s", subject, "--body", body}) + attachment
                         + QStringList(
                             "ann@example.org,-bob@example.org,,r0@example.org,ann@example.org,")
                     : QStringList({"--utf8", "--subject", subject, "--body", body}) + attachment
                         + QStringList({"--to", "ann@example.org", "--to", "-bob@example.org",
                                        "--to", "r0@example.org", "--to", "ann@example.org"}));
    }

    void mailBodyFitsOneArgument_data()
    {
        QTest::addColumn<QString>("report");
        QTest::addColumn<qsizetype>("maxBytes");
        QTest::addColumn<QString>("body");
        const QString report("first\nsecond\n" + QString(60, u'x'));
        const QString note = MeetingReport::pageNote;
        const qsizetype noteBytes = note.size() + 1; // the NUL too
        QTest::newRow("fits, its NUL counted") << report << qsizetype(74) << report;
        QTest::newRow("a byte over") << report << qsizetype(73) << "first\nsecond\n" + note;
        QTest::newRow("cut after a line") << report << noteBytes + 13 << "first\nsecond\n" + note;
        QTest::newRow("a line that does not fit whole")
            << report << noteBytes + 12 << QString("first\n" + note);
        const QString fuer("f\u00fcr\n"); // five bytes
        QTest::newRow("bytes counted, not characters")
            << fuer.repeated(20) << noteBytes + 24 << fuer.repeated(4) + note;
    }

    void mailBodyFitsOneArgument()
    {
        QFETCH(QString, report);
        QFETCH(qsizetype, maxBytes);
        QFETCH(QString, body);
        QCOMPARE(MeetingReport::mailBody(report, MeetingReport::pageNote, maxBytes), body);
    }

    void largeMeetingBodyIsCut_data()
    {
        QTest::addColumn<QString>("mailer");
        QTest::addColumn<qsizetype>("bytesPerByte"); // in the argument the body ends up in
        QTest::newRow("kmail") << "kmail" << qsizetype(1);
        QTest::newRow("xdg-email, in a mailto: address") << "xdg-email" << qsizetype(6);
    }

    // The report of 10,000 problems is longer than an argument may be: the body is its first
    // lines and a line saying where the rest is; xsltproc's page, attached, has every problem.
    void largeMeetingBodyIsCut()
    {
        QFETCH(QString, mailer);
        QFETCH(qsizetype, bytesPerByte);
        QFile::link(QStandardPaths::findExecutable("xsltproc"), path("bin/xsltproc"));
        standIns->alone();
        if (mailer != "kmail") {
            standIns->remove("kmail");
            standIns->installRecorder(mailer);
        }
        Meeting *meeting = makeMeeting("Large", QStringList(10000, "Problem"));
        // kmail takes the addresses in several arguments; xdg-email puts them into its mailto:
        // address with the body, where they would leave no room for it.
        if (mailer != "kmail") {
            for (Problem *problem : std::as_const(*meeting->problems))
                problem->responsibles->clear();
        }
        notify(meeting);

        QTRY_COMPARE(standIns->calls(mailer).size(), 1);
        const QStringList arguments = standIns->calls(mailer).at(0);
        const QString body = arguments.value(arguments.indexOf("--body") + 1);
        QVERIFY2(body.endsWith('\n' + MeetingReport::pageNote), qPrintable(body.right(80)));
        QVERIFY2(body.toUtf8().size() * bytesPerByte < MeetingReport::argumentBytes,
                 qPrintable(QString::number(body.toUtf8().size())));
        const QString page = arguments.value(arguments.indexOf("--attach") + 1);
        QVERIFY2(readFile(page).contains("Problem #9999"), qPrintable(page));
        if (mailer == "kmail")
            QCOMPARE(arguments.mid(arguments.indexOf(page) + 1).join(QString()),
                     MeetingReport::recipients(*meeting));
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

        QCOMPARE(script.seen.value(0),
                 "Mootrak e-Mail notification | You should save meeting first");
        QCOMPARE(meeting->fileName, saved ? path(chosenName) : QString());
        QCOMPARE(notificationRuns(), saved);
        if (saved)
            QTRY_COMPARE(standIns->calls().size(), 1);
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

        QTRY_COMPARE(standIns->calls().size(), 1);
        QCOMPARE(standIns->calls().at(0).value(1), "Meeting: First");
        QCOMPARE(standIns->calls().at(0).value(6), "ann@example.org,r0@example.org,");
    }

    void twoNotificationsKeepTheirOwnAttachments_data()
    {
        QTest::addColumn<QString>("ending"); // of the window
        QTest::newRow("Exit") << "Exit";
        QTest::newRow("closed") << "closed";
        QTest::newRow("destroyed") << "destroyed";
    }

    // Started one after the other, each notification mails its own page, rendered by xsltproc
    // from the meeting's document, non-ASCII subject included; the window's end, however it
    // comes, removes both.
    void twoNotificationsKeepTheirOwnAttachments()
    {
        QFETCH(QString, ending);
        notify(makeMeeting(QStringLiteral("Z\u00fcrich \u2013 budget"), {"A"}));
        notify(makeMeeting("Second", {"B"}));

        QTRY_COMPARE(standIns->calls().size(), 2);
        QStringList attachments;
        for (const QStringList &arguments : standIns->calls()) {
            const QString subject = arguments.value(1).mid(QStringLiteral("Meeting: ").size());
            const QString page = QString::fromUtf8(readFile(arguments.value(5)));
            QVERIFY2(page.contains("<title>Meeting: " + subject + "</title>"), qPrintable(subject));
            QCOMPARE(page.count("<title>"), 1);
            attachments << arguments.value(5);
        }

        if (ending == "Exit")
            window->fileExit();
        else if (ending == "closed")
            window->close();
        else
            window.reset();

        for (const QString &attachment : std::as_const(attachments))
            QVERIFY2(!QFile::exists(attachment), qPrintable(attachment));
    }

    // An xsltproc that never ends keeps nothing waiting, and is ended at Exit.
    void neverEndingXsltprocEndsAtExit()
    {
        standIns->install("xsltproc", "echo $$ > \"$here/pid\"; exec sleep 600\n");
        notify(makeMeeting("Endless", {"A"}));
        QTRY_VERIFY(readFile(path("pid")).endsWith('\n'));
        const QString process = "/proc/" + QString::fromLatin1(readFile(path("pid")).trimmed());
        QVERIFY2(QFileInfo::exists(process), qPrintable(process));

        window->fileExit();

        QVERIFY2(!QFileInfo::exists(process), "xsltproc outlived Exit");
        QVERIFY(!notificationRuns());
        QCOMPARE(standIns->calls().size(), 0);
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

        const auto limit = limitFileSize(rlim_t(sizeLimit));
        QString told;
        const QString name
            = HtmlAttachment::write("<html>page", told, QFile::encodeName(path(nameTemplate)));

        QCOMPARE(name, QString());
        QCOMPARE(told, failure);
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList({"taken"}));
    }

    void htmlNameReplacesTheEntryThere_data()
    {
        QTest::addColumn<bool>("folder"); // at the final name; else a link to a missing file
        QTest::addColumn<QString>("failure");
        QTest::newRow("planted link") << false << "";
        QTest::newRow("folder") << true << "rename failed: Is a directory";
    }

    // A link planted at the final name is replaced, not written through; moving the file onto a
    // folder fails. Either way nothing is left under the first name.
    void htmlNameReplacesTheEntryThere()
    {
        QFETCH(bool, folder);
        QFETCH(QString, failure);
        const QString written = path("mtABCDEF");
        QVERIFY(writeFile(written, "<html>page"));
        QVERIFY(folder ? QDir(dir->path()).mkpath("mtABCDEF.html/inside")
                       : QFile::link(path("target"), written + ".html"));

        QString told;
        const QString name = HtmlAttachment::giveHtmlName(QFile::encodeName(written), told);

        QCOMPARE(told, failure);
        QCOMPARE(name, folder ? QString() : written + ".html");
        QVERIFY2(!QFile::exists(written), "the file is still under its first name");
        QVERIFY2(!QFile::exists(path("target")), "written through the link");
        if (!folder)
            QCOMPARE(readFile(name), QByteArray("<html>page"));
    }

    void xsltprocRunsWhereTheStylesheetIs_data()
    {
        QTest::addColumn<bool>("installed"); // a copy of the program; else the one built
        QTest::addColumn<bool>("ownStylesheet"); // in the folder the program is started in
        QTest::newRow("installed one") << true << false;
        QTest::newRow("own one first") << true << true;
        QTest::newRow("source tree's, for the one built") << false << false;
    }

    // The program, copied into an installed layout or where it was built, runs xsltproc where a
    // stylesheet is, whatever folder it was started in.
    void xsltprocRunsWhereTheStylesheetIs()
    {
        QFETCH(bool, installed);
        QFETCH(bool, ownStylesheet);
        const QString program = installed ? path("usr/bin/mootrak") : STYLESHEET_PROBE;
        const QString data = QDir::cleanPath(path("usr/bin/" MOOTRAK_DATA_FROM_BIN));
        const QString started = path("work");
        QVERIFY(QDir().mkpath(path("usr/bin")) && QDir().mkpath(data) && QDir().mkpath(started));
        QVERIFY(QFile::copy(QStringLiteral(STYLESHEET_PROBE), path("usr/bin/mootrak")));
        QVERIFY(writeFile(data + "/mootrak.xsl", "<installed/>"));
        if (ownStylesheet)
            QVERIFY(writeFile(started + "/mootrak.xsl", "<own/>"));

        QProcess probe;
        probe.setWorkingDirectory(started);
        probe.start(program);
        QVERIFY2(probe.waitForFinished(), qPrintable(probe.errorString()));
        QCOMPARE(QString::fromLocal8Bit(probe.readAllStandardOutput()),
                 ownStylesheet   ? started
                     : installed ? data
                                 : QDir(MOOTRAK_SHARE_DIR).canonicalPath());
    }
};

QTEST_MAIN(tst_Notify)
#include "tst_notify.moc"
