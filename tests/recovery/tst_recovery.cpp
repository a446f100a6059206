// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QDirIterator>
#include <QProcess>
#include <QPushButton>
#include <QTextEdit>
#include <QTreeWidget>

#include <csignal>

#include "mainwindow/duedateedit.h"
#include "recovery/frmrecovery.h"
#include "support/dialogscript.h"
#include "support/documents.h"
#include "support/records.h"
#include "support/windowtest.h"

using namespace Answers;

static const QString typed = QStringLiteral("Agreed <b>&amp; \"done\" — Решено 😀\tnow");

class tst_recovery : public WindowTest
{
    Q_OBJECT

    QString journalFolder() const { return path("journal"); }
    QStringList entries() const
    {
        QStringList found;
        QDirIterator it(journalFolder(), {"*.entry"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            found << it.next();
        return found;
    }
    // A meeting file with markup and Cyrillic in it, opened in the window with the journal kept.
    Meeting *openJournaled()
    {
        const QString file = path("road.xml");
        writeFile(file, written(*makeMeeting("Road <&> Дорога", {"Budget", "Roads"})));
        window->keepRecoveryJournal(journalFolder());
        return window->addFile(file);
    }
    void typeDecision(int problem)
    {
        state().select(0, problem);
        window->txtDecision->moveCursor(QTextCursor::End);
        window->txtDecision->insertPlainText(typed);
    }
    std::unique_ptr<frmMain> startAgain()
    {
        auto next = std::make_unique<frmMain>();
        next->show();
        next->keepRecoveryJournal(journalFolder());
        return next;
    }
    static frmRecovery *offer(const frmMain &window) { return window.findChild<frmRecovery *>(); }

private slots:
    void entryFollowsTheMeeting_data()
    {
        QTest::addColumn<QString>("then");
        QTest::addColumn<bool>("entryDue"); // waited for before `then`
        QTest::addColumn<int>("left");
        QTest::newRow("saved") << "save" << true << 0;
        QTest::newRow("deleted by the user") << "delete" << true << 0;
        QTest::newRow("Exit") << "exit" << true << 1;
        QTest::newRow("Replace before the entry was due") << "replace" << false << 1;
        QTest::newRow("window closed before the entry was due") << "close" << false << 1;
    }

    void entryFollowsTheMeeting()
    {
        QFETCH(QString, then);
        QFETCH(bool, entryDue);
        QFETCH(int, left);
        Meeting *meeting = openJournaled();
        typeDecision(1);
        if (entryDue)
            QTRY_COMPARE(entries().size(), 1);
        if (then == "save") {
            DialogScript script({chooseFile(meeting->fileName)});
            state().saveMeeting();
        } else if (then == "delete") {
            DialogScript script({click("&Yes")});
            state().delMeeting();
        } else if (then == "replace") {
            state().forgetMeetings();
        } else if (then == "exit") {
            window->fileExit();
            window.reset();
        } else {
            window.reset();
        }
        QCOMPARE(entries().size(), left);
        if (left)
            QVERIFY2(readFile(entries().at(0)).contains("Agreed &lt;b>&amp;amp;"),
                     "the entry holds what was typed last");
    }

    // Every field a user can change comes back, the meeting's own decision and notes too, with
    // its file name, unsaved; its entry moves to the new program's journal.
    void recoveredAsTyped()
    {
        Meeting *meeting = openJournaled();
        typeDecision(1);
        window->txtNotes->setPlainText(QStringLiteral("Notes\nover two lines ё"));
        window->dtDue->setDateTime(QDateTime(QDate(2031, 1, 2), QTime(3, 4, 5)));
        window->chkDone->click();
        state().select(0);
        window->txtDecision->setPlainText(QStringLiteral("The meeting's own <decision>"));
        const MeetingValue before = valueOf(*meeting);
        const QString fileName = meeting->fileName;
        window.reset();

        window = startAgain();
        frmRecovery *recovery = offer(*window);
        QVERIFY2(recovery, "the recovery window is offered");
        QCOMPARE(recovery->lvEntries->topLevelItem(0)->text(0), before.subject);
        const QString oldEntry = entries().value(0);
        recovery->btRecover->click();

        QCOMPARE(state().meetings()->size(), 1);
        Meeting *recovered = state().meetings()->at(0);
        QCOMPARE(valueOf(*recovered), before);
        QCOMPARE(recovered->fileName, fileName);
        QVERIFY(isMarked(recovered));
        QCOMPARE(entries().size(), 1);
        QVERIFY2(entries().at(0) != oldEntry, "the entry belongs to the running program now");
        QTRY_VERIFY2(!offer(*window), "the window closes once everything is taken");
    }

    void discarded()
    {
        openJournaled();
        typeDecision(0);
        window.reset();
        window = startAgain();
        offer(*window)->btDiscard->click();
        QCOMPARE(entries().size(), 0);
        QVERIFY(state().meetings()->isEmpty());
        window.reset();
        QCOMPARE(QDir(journalFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 0);
    }

    // A program offers only the entries of programs that have ended, and what one program offers
    // no other program offers at the same time.
    void twoProgramsAtOnce()
    {
        openJournaled();
        typeDecision(0);
        QTRY_COMPARE(entries().size(), 1);
        auto second = startAgain();
        QVERIFY2(!offer(*second), "the running program's entries are not offered");
        window.reset();
        auto third = startAgain();
        QVERIFY2(offer(*third), "the ended program's entry is offered");
        auto fourth = startAgain();
        QVERIFY2(!offer(*fourth), "an entry offered elsewhere is not offered twice");
    }

    // A program killed mid-edit: what was typed is offered at the next start.
    void killedMidEdit()
    {
        const QString file = path("road.xml");
        writeFile(file, written(*makeMeeting("Road", {"Budget"})));
        QProcess child;
        child.start(QStringLiteral(JOURNAL_CHILD), {journalFolder(), file, typed});
        QVERIFY2(child.waitForStarted(), qPrintable(child.errorString()));
        QTRY_COMPARE(entries().size(), 1);
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        window->keepRecoveryJournal(journalFolder());
        QVERIFY2(offer(*window), "the killed program's entry is offered");
        offer(*window)->btRecover->click();
        QCOMPARE(state().meetings()->value(0)->problems->at(0)->decision->text,
                 "Decision on Budget #0" + typed);
    }

    void saveOverAChangedFile_data()
    {
        QTest::addColumn<QString>("change"); // made by another process after the file was read
        QTest::addColumn<QString>("answer"); // to the question; empty when none may come
        QTest::addColumn<bool>("oursInFile");
        QTest::addColumn<bool>("oursInOther");
        QTest::newRow("saved by us before") << "save"
                                            << "" << true << false;
        QTest::newRow("touched, same content") << "touch"
                                               << "" << true << false;
        QTest::newRow("Overwrite") << "copy"
                                   << "Overwrite" << true << false;
        QTest::newRow("Save as another file") << "copy"
                                              << "Save as another file" << false << true;
        QTest::newRow("Cancel") << "copy"
                                << "Cancel" << false << false;
    }

    void saveOverAChangedFile()
    {
        QFETCH(QString, change);
        QFETCH(QString, answer);
        QFETCH(bool, oursInFile);
        QFETCH(bool, oursInOther);
        const QString file = path("road.xml"), other = path("other.xml");
        writeFile(file, written(*makeMeeting("Road", {"Budget"})));
        writeFile(path("theirs.xml"), written(*makeMeeting("Theirs", {"Budget"})));
        Meeting *meeting = window->addFile(file);
        meeting->problems->at(0)->decision->text = QStringLiteral("Ours");
        if (change == "save") {
            DialogScript script({chooseFile(file)});
            state().saveMeeting();
        } else if (change == "touch") {
            QCOMPARE(QProcess::execute("touch", {"-d", "2001-02-03", file}), 0);
        } else {
            QCOMPARE(QProcess::execute("cp", {path("theirs.xml"), file}), 0);
        }
        const QByteArray before = readFile(file);
        meeting->problems->at(0)->decision->text = QStringLiteral("Ours again");

        Script answers {chooseFile(file)};
        if (!answer.isEmpty())
            answers << click(answer) << chooseFile(other);
        DialogScript script(answers);
        state().saveMeeting();

        const QString question = "File changed on disk | " + file
            + " was changed by another program since Mootrak last read or "
              "saved it.";
        QCOMPARE(script.seen.contains(question), !answer.isEmpty());
        QCOMPARE(readFile(file) == written(*meeting), oursInFile);
        QCOMPARE(readFile(file) == before, !oursInFile);
        QCOMPARE(readFile(other) == written(*meeting), oursInOther);
    }
};

QTEST_MAIN(tst_recovery)
#include "tst_recovery.moc"
