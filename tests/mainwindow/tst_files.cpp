// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTextEdit>

#include "support/dialogscript.h"
#include "support/documents.h"
#include "support/records.h"
#include "support/windowtest.h"

#include <sys/stat.h>

using namespace Answers;

class tst_Files : public WindowTest
{
    Q_OBJECT

    // The document of the meeting makeMeeting() builds, named after its subject.
    QString document(const QString &subject, const QStringList &problems = {"Item"})
    {
        const QString file = path(subject.toLower() + ".xml");
        writeFile(file, written(*makeMeeting(subject, problems)));
        return file;
    }
    // Opens each file, answering Add when asked.
    void open(const QStringList &files)
    {
        for (const QString &file : files) {
            DialogScript script({chooseFile(file), click("Add")});
            window->fileOpen();
        }
    }

private slots:
    void openIntoAnEmptyList()
    {
        const QString file = document("Road");
        DialogScript script({press(Qt::Key_Return), acceptFile(file)});
        window->fileSave();
        window->fileOpen();

        QCOMPARE(
            script.seen,
            QStringList({"No data to save | No data to save", "file dialog QFileDialog | Open"}));
        QCOMPARE(state().each(&Meeting::subject), QStringList({"Road"}));
        QCOMPARE(window->windowTitle(), QStringLiteral("::Road::"));
    }

    void openWithMeetingsLoaded_data()
    {
        QTest::addColumn<Script>("answer"); // to the question
        QTest::addColumn<QStringList>("subjects");
        const QStringList all {"One", "Two", "Three"}, kept {"One", "Two"};
        QTest::newRow("enter adds") << Script {press(Qt::Key_Return)} << all;
        QTest::newRow("replace") << Script {click("Replace")} << QStringList {"Three"};
        QTest::newRow("escape cancels") << Script {press(Qt::Key_Escape)} << kept;
    }

    // The opened meeting becomes current, else the selected one stays.
    void openWithMeetingsLoaded()
    {
        QFETCH(Script, answer);
        QFETCH(QStringList, subjects);
        open({document("One"), document("Two")});
        state().select(0);
        DialogScript script(Script {chooseFile(document("Three"))} + answer);
        window->fileOpen();

        QCOMPARE(script.seen, QStringList({"file dialog QFileDialog | Open", addOrReplaceSeen}));
        QCOMPARE(state().each(&Meeting::subject), subjects);
        QCOMPARE(state().treeEntries(), subjects);
        QCOMPARE(state().currentMeeting(), subjects.last() == "Three" ? subjects.size() - 1 : 0);
        QCOMPARE(state().each(&Meeting::saved), QList<bool>(subjects.size(), true));
    }

    void openFailureTellsWhy_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text"); // the box's
        QTest::addColumn<QString>("reason"); // its informative text
        const QString cannotOpen = "Cannot open file %1", cannotParse = "Parsing error for file %1";
        QTest::newRow("missing file") << "missing.xml" << cannotOpen << "No such file or directory";
        QTest::newRow("directory") << "folder" << cannotOpen << "It is not a regular file.";
        QTest::newRow("not xml") << "notes.txt" << cannotParse
                                 << "Start tag expected. (line 1, column 1)";
    }

    // Root-proof: no one can read these names; a FIFO, never read, is refused as a folder is (see
    // tst_library's scanReasons). Only a parsed document asks to add or replace: the meetings stay.
    void openFailureTellsWhy()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, reason);
        open({document("One"), document("Two")});
        state().select(0);
        QVERIFY(QDir(dir->path()).mkdir("folder"));
        QVERIFY(writeFile(path("notes.txt"), "Budget, Room 4"));
        const QString file = path(name);
        DialogScript script({chooseFile(file), press(Qt::Key_Return)});
        window->fileOpen();

        QCOMPARE(
            script.seen,
            QStringList({"file dialog QFileDialog | Open", "Critical Error | " + text.arg(file)}));
        QCOMPARE(script.informativeTexts.value(0), reason);
        QCOMPARE(state().each(&Meeting::subject), QStringList({"One", "Two"}));
        QCOMPARE(state().currentMeeting(), 0);
    }

    // Nothing notices that a file is loaded already; the two meetings share no record.
    void sameFileTwiceGivesIndependentMeetings()
    {
        const QString file = document("Road", {"Budget"});
        open({file, file});
        QCOMPARE(state().each(&Meeting::fileName), QStringList({file, file}));
        Meeting *first = state().meetings()->at(0), *second = state().meetings()->at(1);
        const MeetingValue before = valueOf(*first);
        QCOMPARE(valueOf(*second), before);
        second->problems->at(0)->decision->text = QStringLiteral("Changed");
        second->participants->removeAt(0);
        QCOMPARE(valueOf(*first), before);
    }

    void saveOneMeeting_data()
    {
        QTest::addColumn<QString>("fileName"); // the meeting's, offered by the save dialog
        QTest::addColumn<QString>("chosen");
        QTest::newRow("opened meeting offers its file") << "road.xml" << QString("copy.xml");
        QTest::newRow("meeting never saved offers nothing") << "" << QString("road.xml");
        QTest::newRow("symlink to a regular file is followed") << "link.xml" << QString("link.xml");
    }

    // The file holds the meeting, and the editor shows the text it wrote.
    void saveOneMeeting()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, chosen);
        const QString file = document("Road");
        open({file});
        Meeting *meeting = state().meetings()->at(0);
        if (fileName == "link.xml")
            QVERIFY(QFile::link(file, path(fileName)));
        meeting->fileName = fileName.isEmpty() ? "" : path(fileName);
        meeting->markModified();
        DialogScript script({chooseFile(path(chosen))});
        state().saveMeeting();

        QCOMPARE(script.seen,
                 QStringList({"file dialog Save file | Choose file name for \"Road\""}));
        QCOMPARE(script.offeredNames, QStringList({fileName}));
        QCOMPARE(readFile(path(chosen)), written(*meeting));
        QCOMPARE(window->txtFull->toPlainText(), MeetingFile::meetingText(*meeting));
        QCOMPARE(meeting->fileName, path(chosen));
        QVERIFY(!isMarked(meeting));
        QCOMPARE(QFileInfo(path(fileName)).isSymLink(), fileName == "link.xml");
    }

    // "Multiple data" comes once, then one dialog per meeting; a cancelled one skips only its
    // meeting. The dialog itself asks before replacing the file of the meeting just before.
    void saveEveryMeetingInTurn()
    {
        open({document("Alpha"), document("Beta"), document("Gamma"), document("Delta")});
        for (Meeting *meeting : std::as_const(*state().meetings()))
            meeting->markModified();
        const QString aNew = path("a-new.xml"), shared = path("shared.xml");
        DialogScript script({press(Qt::Key_Return), chooseFile(aNew), cancel(), acceptFile(shared),
                             acceptFile(shared), click("&Yes")});
        window->fileSave();

        QStringList dialogs {"Multiple data | You have more than one meeting defined.\n"
                             "All of them should be saved in separate file!"};
        for (const QString &subject : QStringList {"Alpha", "Beta", "Gamma", "Delta"})
            dialogs << "file dialog Save file | Choose file name for " + subject;
        dialogs << "Choose file name for Delta | shared.xml already exists.\n"
                   "Do you want to replace it?";
        QCOMPARE(script.seen, dialogs);
        QCOMPARE(script.offeredNames, QStringList({"", "", "", ""}));
        QCOMPARE(state().each(&Meeting::fileName),
                 QStringList({aNew, path("beta.xml"), shared, shared}));
        QCOMPARE(state().each(&Meeting::saved), QList<bool>({true, false, true, true}));
        QCOMPARE(readFile(aNew), written(*state().meetings()->at(0)));
        QCOMPARE(readFile(shared), written(*state().meetings()->at(3)));
    }

    void saveFailuresKeepTheOldFile_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<qint64>("sizeLimit");
        QTest::addColumn<QString>("reason"); // what the box's informative text says
        const qint64 none = qint64(RLIM_INFINITY);
        QTest::newRow("disk full") << "big.xml" << qint64(16384) << "File too large";
        QTest::newRow("below a regular file") << "big.xml/new.xml" << none << "Not a directory";
        QTest::newRow("target is a fifo") << "pipe" << none << "not a regular file";
    }

    // Root-proof: a file-size limit stands for a full disk; no one can write the other targets.
    // The next meeting is not offered, and no file, temporary or not, is left behind.
    void saveFailuresKeepTheOldFile()
    {
        QFETCH(QString, target);
        QFETCH(qint64, sizeLimit);
        QFETCH(QString, reason);
        open({document("Big", QStringList(300, "Problem")), document("Other")});
        state().meetings()->at(0)->markModified();
        const QByteArray old = readFile(path("big.xml"));
        const QString file = path(target);
        QVERIFY(target != "pipe" || mkfifo(QFile::encodeName(file).constData(), 0600) == 0);
        QVERIFY(written(*state().meetings()->at(0)).size() > 16384);

        DialogScript script({press(Qt::Key_Return), chooseFile(file), press(Qt::Key_Return)});
        {
            const auto limit = limitFileSize(rlim_t(sizeLimit));
            window->fileSave();
        }

        QCOMPARE(script.seen.mid(2), QStringList({"Critical Error | Cannot save file " + file}));
        const QString told = script.informativeTexts.value(script.informativeTexts.size() - 1);
        QVERIFY2(told.contains(reason), qPrintable(told));
        QCOMPARE(readFile(path("big.xml")), old);
        QCOMPARE(state().meetings()->at(0)->fileName, path("big.xml"));
        QVERIFY(isMarked(state().meetings()->at(0)));
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList({"big.xml", "other.xml"}));
    }
};

QTEST_MAIN(tst_Files)
#include "tst_files.moc"
