#include <QTemporaryDir>
#include <QTextEdit>
#include <QTreeWidget>

#include "support/dialogscript.h"
#include "support/documents.h"
#include "support/frmmaininspector.h"
#include "support/meetingtext.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace Answers;
using Script = QList<DialogScript::Answer>;
constexpr char question[] = "Add or Replace previous meetimg | Replace or Add to previous meeting";

class tst_Files : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<frmMain> window;

    frmMainInspector state() const { return frmMainInspector(*window); }
    QString path(const QString &name) const { return dir->filePath(name); }
    QString document(const QString &subject, const QStringList &problems = {"Item"})
    {
        writeFile(path(subject.toLower() + ".xml"), meetingDocument(subject, problems));
        return path(subject.toLower() + ".xml");
    }
    // Opens each file, answering Add when asked; `edited` marks each one changed since saved.
    void open(const QStringList &files, bool edited = false)
    {
        for (const QString &file : files) {
            DialogScript script({chooseFile(file), click("Add")});
            window->fileOpen();
            state().meetings()->last()->modified |= edited;
            state().meetings()->last()->saved &= !edited;
        }
    }
    bool makeFolderOrPipe(const QString &name) const
    {
        if (name == "folder")
            return QDir().mkdir(path(name));
        return name != "pipe" || mkfifo(QFile::encodeName(path(name)).constData(), 0600) == 0;
    }
    QString local(QString file) const { return file.remove(dir->path() + '/'); }
    // Each meeting as "subject file flags", then the working file, the current meeting and the
    // child count of each tree entry; files are named relative to dir.
    QStringList summary() const
    {
        QStringList lines;
        for (const Meeting *meeting : std::as_const(*state().meetings()))
            lines << meeting->subject + ' ' + local(meeting->fileName)
                    + (meeting->saved ? " saved" : "") + (meeting->modified ? " modified" : "");
        QString view = "working " + local(state().workingFileName()) + ", current "
            + QString::number(state().currentMeeting()) + ", tree";
        for (int i = 0; i < window->lvProblems->topLevelItemCount(); ++i)
            view += ' ' + QString::number(window->lvProblems->topLevelItem(i)->childCount());
        return lines << view;
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY2(dir->isValid(), qPrintable(dir->errorString()));
        window = std::make_unique<frmMain>();
    }
    void cleanup()
    {
        window.reset();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void roadOfOneMeeting_data()
    {
        QTest::addColumn<QString>("fileName"); // the meeting's, offered by the save dialog
        QTest::addColumn<QString>("chosen");
        QTest::newRow("opened meeting offers its file") << QString("road.xml") << "copy.xml";
        QTest::newRow("meeting never saved offers nothing") << QString() << "road.xml";
        QTest::newRow("symlink to a regular file is followed") << "link.xml" << QString("link.xml");
    }
    // Saving an empty list, opening into it, then the same file again as an independent meeting;
    // saved after a problem was selected, the file holds the same meeting in the tree's order.
    void roadOfOneMeeting()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, chosen);

        const QString file = document("Road", {"Budget", "Hiring", "Office"});
        DialogScript script({press(Qt::Key_Return), acceptFile(file), chooseFile(file),
                             click("Add"), chooseFile(path(chosen))});
        window->fileSave();
        window->fileOpen();
        QCOMPARE(summary() << window->windowTitle() << QString::number(state().currentProblem()),
                 QStringList({"Road road.xml saved", "working road.xml, current 0, tree 3",
                              "::Road::", "-1"}));
        QVERIFY(!window->txtDecision->isReadOnly());
        window->fileOpen();
        Meeting *meeting = state().meetings()->value(0), *second = state().meetings()->value(1);
        QVERIFY(second && second->fileName == file && second->saved && !second->modified);
        const QString before = meetingText(*meeting);
        QCOMPARE(meetingText(*second), before);
        second->problems->at(0)->decision->text = QStringLiteral("Changed");
        second->participants->removeAt(0);
        QCOMPARE(meetingText(*meeting), before);

        window->lvProblems->expandItem(window->lvProblems->topLevelItem(0));
        window->lvProblems->setCurrentItem(window->lvProblems->topLevelItem(0)->child(1));
        QCOMPARE(window->txtFull->toPlainText(), QStringLiteral("All about Hiring"));
        QVERIFY(fileName != "link.xml" || QFile::link(file, path(fileName)));
        meeting->fileName = fileName.isEmpty() ? "" : path(fileName);
        meeting->notes = QStringLiteral("edited");
        state().saveMeeting();

        QCOMPARE(script.seen,
                 QStringList({"No data to save | No data to save", "file dialog QFileDialog | Open",
                              "file dialog QFileDialog | Open", question,
                              "file dialog Save file | Choose file name for \"Road\""}));
        QWidget *const main = window.get();
        QCOMPARE(script.parents, QList<QWidget *>({main, main, main, nullptr, main}));
        QCOMPARE(script.offeredNames, QStringList({"", "", fileName}));
        QVERIFY(fileName != "link.xml" || QFileInfo(path(fileName)).isSymLink());
        QCOMPARE(readFile(path(chosen)), state().meetingFileContents(0));
        QDomDocument parsed;
        QString error;
        QVERIFY(MeetingFile::parse(readFile(path(chosen)), parsed, error));
        const Meeting *copy = state().readXmlFile(parsed);
        QStringList texts {meetingText(*copy)}; // then the problems in their order
        for (const Problem *problem : std::as_const(*copy->problems))
            texts << problem->shortDescription;
        QCOMPARE(texts, QStringList({meetingText(*meeting), "Office", "Hiring", "Budget"}));
    }

    void openWithMeetingsLoaded_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("contents"); // null: not made as a file
        QTest::addColumn<Script>("answer");
        QTest::addColumn<QStringList>("meetings"); // as summary() shows them
        const QStringList all {"One one.xml saved", "Two two.xml saved", "Three three.xml saved"};
        const QStringList kept = all.mid(0, 2);
        const QByteArray three = meetingDocument("Three", {"Item"}), none;
        const Script ok {press(Qt::Key_Return)};
        QTest::newRow("add") << "three.xml" << three << Script {click("Add")} << all;
        QTest::newRow("enter adds") << "three.xml" << three << ok << all;
        QTest::newRow("replace") << "three.xml" << three << Script {click("Replace")} << all.mid(2);
        QTest::newRow("cancel") << "three.xml" << three << Script {click("Cancel")} << kept;
        QTest::newRow("escape") << "three.xml" << three << Script {press(Qt::Key_Escape)} << kept;
        QTest::newRow("missing file") << "missing.xml" << none << ok << kept;
        QTest::newRow("directory") << "folder" << none << ok << kept;
        QTest::newRow("fifo") << "pipe" << none << ok << kept;
        QTest::newRow("not xml") << "notes.txt" << QByteArray("Budget, Room 4") << ok << kept;
        QTest::newRow("empty file") << "empty.xml" << QByteArray("") << ok << kept;
        QTest::newRow("cut short") << "cut.xml" << meetingDocument("Cut").left(200) << ok << kept;
        QTest::newRow("nested too deep")
            << "deep.xml" << QByteArray("<a>").repeated(1000) + QByteArray("</a>").repeated(1000)
            << ok << kept;
    }
    // Only a parsed document asks; the opened meeting becomes current, else the selected one stays.
    void openWithMeetingsLoaded()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, contents);
        QFETCH(Script, answer);
        QFETCH(QStringList, meetings);

        const QString file = path(name);
        QVERIFY(makeFolderOrPipe(name) && (contents.isNull() || writeFile(file, contents)));
        open({document("One"), document("Two")});
        window->lvProblems->setCurrentItem(window->lvProblems->topLevelItem(0));
        DialogScript script(Script {chooseFile(file)} + answer);
        window->fileOpen();

        const QString failure = contents.isNull() ? "Cannot open file " : "Parsing error for file ";
        const QString text = name == "three.xml" ? question : "Critical Error | " + failure + file;
        QCOMPARE(script.seen, QStringList({"file dialog QFileDialog | Open", text}));
        QCOMPARE(script.parents, QList<QWidget *>({window.get(), nullptr}));
        const int current = meetings.last().startsWith("Three") ? meetings.size() - 1 : 0;
        QCOMPARE(summary(),
                 meetings << "working " + name + ", current " + QString::number(current) + ", tree"
                         + QString(" 1").repeated(meetings.size()));
    }

    // "Multiple data" comes once, then one dialog per meeting; a cancelled one skips only its
    // meeting. The dialog itself asks before replacing the file of the meeting just before.
    void saveEveryMeetingInTurn()
    {
        QStringList dialogs {"Multiple data | You have more than one meeting defined.\n"
                             "All of them should be saved in separate file!"};
        for (const QString &subject : QStringList {"Alpha", "Beta", "Gamma", "Delta"})
            dialogs << "file dialog Save file | Choose file name for " + subject;
        open({document("Alpha"), document("Beta"), document("Gamma"), document("Delta")}, true);
        const QString aNew = path("a-new.xml"), shared = path("shared.xml");
        DialogScript script({press(Qt::Key_Return), chooseFile(aNew), cancel(), acceptFile(shared),
                             acceptFile(shared), click("&Yes")});
        window->fileSave();

        QCOMPARE(script.seen,
                 dialogs << "Choose file name for Delta | shared.xml already exists.\n"
                            "Do you want to replace it?");
        QCOMPARE(script.parents.value(0), window.get());
        QCOMPARE(script.offeredNames, QStringList({"", "", "", ""}));
        QCOMPARE(summary(),
                 QStringList({"Alpha a-new.xml saved", "Beta beta.xml modified",
                              "Gamma shared.xml saved", "Delta shared.xml saved",
                              "working shared.xml, current 3, tree 1 1 1 1"}));
        QCOMPARE(readFile(aNew), state().meetingFileContents(0));
        QCOMPARE(readFile(shared), state().meetingFileContents(3));
        QCOMPARE(window->txtFull->toPlainText(), state().buildXmlString(3));
    }

    void saveFailuresKeepTheOldFile_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("disk full") << "big.xml";
        QTest::newRow("target is a directory") << "folder";
        QTest::newRow("target below a regular file") << "big.xml/new.xml";
        QTest::newRow("target is a fifo") << "pipe";
    }
    // Root-proof: a file-size limit stands for a full disk; no one can write the other targets.
    void saveFailuresKeepTheOldFile()
    {
        QFETCH(QString, target);

        open({document("Big", QStringList(300, "Problem"))}, true);
        open({document("Other")});
        const QByteArray old = readFile(path("big.xml"));
        const QString file = path(target);
        QVERIFY(makeFolderOrPipe(target) && state().meetingFileContents(0).size() > 16384);
        rlimit saved;
        getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit small {target == "big.xml" ? 16384 : saved.rlim_cur, saved.rlim_max};
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small); // nothing in between returns before the restore
        DialogScript script({press(Qt::Key_Return), chooseFile(file), press(Qt::Key_Return)});
        window->fileSave();
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, handler);

        // Other is not offered, and no regular file, temporary or not, has been added.
        QCOMPARE(script.seen.mid(2), QStringList({"Critical Error | Cannot save file " + file}));
        QCOMPARE(readFile(path("big.xml")), old);
        QCOMPARE(summary().value(0), "Big big.xml modified");
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList({"big.xml", "other.xml"}));
        QVERIFY(target != "pipe" || QFileInfo::exists(file));
    }
};

QTEST_MAIN(tst_Files)
#include "tst_files.moc"
