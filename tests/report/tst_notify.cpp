#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStatusBar>

#include "report/transformprocess.h"
#include "support/dialogscript.h"
#include "support/documents.h"
#include "support/records.h"
#include "support/windowtest.h"

using namespace Answers;

// The mail client's stand-in: it keeps each call's arguments, NUL-terminated, in a file of its
// own, and moves the file into place whole.
static const QByteArray kmailStandIn
    = "#!/bin/sh\n"
      "calls=\"$(dirname \"$0\")/../calls\"\n"
      "part=$(mktemp \"$calls/.part.XXXXXX\")\n"
      "for a in \"$@\"; do printf '%s\\0' \"$a\"; done > \"$part\"\n"
      "mv \"$part\" \"$calls/call${part##*.part}\"\n";

static const QString saveFirst
    = QStringLiteral("Mootrak e-Mail notification | You should save meeting first");

class tst_Notify : public WindowTest
{
    Q_OBJECT

    // The stand-in first on PATH (or alone, with xsltproc out of reach), and the program in the
    // folder of the shipped stylesheet, as the run command starts it.
    auto useStandIns(bool keepSystemPath = true)
    {
        const QByteArray oldPath = qgetenv("PATH");
        const QString oldFolder = QDir::currentPath();
        QDir().mkpath(path("bin"));
        QDir().mkpath(path("calls"));
        writeFile(path("bin/kmail"), kmailStandIn);
        QFile::setPermissions(path("bin/kmail"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const QByteArray bin = QFile::encodeName(path("bin"));
        qputenv("PATH", keepSystemPath ? bin + ':' + oldPath : bin);
        QDir::setCurrent(QStringLiteral(MOOTRAK_SHARE_DIR));
        return qScopeGuard([oldPath, oldFolder] {
            qputenv("PATH", oldPath);
            QDir::setCurrent(oldFolder);
        });
    }
    // The arguments of every call of the mail client so far, in no particular order.
    QList<QStringList> calls() const
    {
        QList<QStringList> all;
        for (const QString &name : QDir(path("calls")).entryList({"call*"}, QDir::Files)) {
            QByteArray bytes = readFile(path("calls/" + name));
            bytes.chop(1);
            QStringList arguments;
            for (const QByteArray &argument : bytes.split('\0'))
                arguments << QString::fromUtf8(argument);
            all << arguments;
        }
        return all;
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
    // What the real xsltproc prints for the document with the shipped stylesheet.
    static QByteArray transform(const QString &document)
    {
        QProcess xsltproc;
        xsltproc.setWorkingDirectory(QStringLiteral(MOOTRAK_SHARE_DIR));
        xsltproc.start(QStringLiteral("xsltproc"), {QStringLiteral("mootrak.xsl"), document});
        xsltproc.waitForFinished();
        return xsltproc.readAllStandardOutput();
    }
    bool notificationRuns() const { return !window->findChildren<TransformProcess *>().isEmpty(); }

private slots:
    // Subject with blanks as one argument, the report as body, and every address in list order:
    // a person listed twice, an empty address, and the trailing comma. The attachment holds what
    // xsltproc printed, byte for byte.
    void mailClientGetsTheMeeting()
    {
        const auto restore = useStandIns();
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
        QCOMPARE(html, transform(meeting->fileName));
        QVERIFY2(html.contains(meeting->subject.toUtf8()), html.left(400).constData());
        QCOMPARE(*state().tempFiles(), QStringList {attachment});
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
        const auto restore = useStandIns();
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
        const auto restore = useStandIns();
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
        const auto restore = useStandIns();
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
        const auto restore = useStandIns(false);
        loadSaved(makeMeeting("First", {"A"}));
        state().select(0);

        QTest::ignoreMessage(QtDebugMsg, "xsltproc didn't start");
        state().sendNotification();

        QTRY_COMPARE(window->statusBar()->currentMessage(),
                     "No notification sent: xsltproc didn't start");
        QTRY_VERIFY2(!notificationRuns(), "the failed run is still there");
        QCOMPARE(calls().size(), 0);
    }
};

QTEST_MAIN(tst_Notify)
#include "tst_notify.moc"
