#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>

#include "app/frmmain.h"
#include "document/meetingfile.h"
#include "support/dialogscript.h"
#include "support/documents.h"
#include "support/frmmaininspector.h"
#include "support/meetingtext.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace Answers;

class tst_Files : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void openIntoEmptyList();
    void openWithMeetingsLoaded_data();
    void openWithMeetingsLoaded();
    void openFailures_data();
    void openFailures();
    void sameFileTwiceGivesTwoMeetings();
    void saveWithNoMeetings();
    void saveEveryMeetingInTurn();
    void saveTwoMeetingsUnderOneName();
    void saveMeetingOffersItsFileName_data();
    void saveMeetingOffersItsFileName();
    void saveFailuresKeepTheOldFile_data();
    void saveFailuresKeepTheOldFile();
    void saveFollowsSymlinkToRegularFile();
    void roadOfOneMeeting();

private:
    QString path(const QString &name) const { return dir->filePath(name); }
    QString writeMeeting(const QString &name, const QString &subject,
                         const QStringList &problems = {});
    void open(frmMain &window, const QString &file, QList<DialogScript::Answer> more = {});

    std::unique_ptr<QTemporaryDir> dir;
};

void tst_Files::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY2(dir->isValid(), qPrintable(dir->errorString()));
}

void tst_Files::cleanup()
{
    dir.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

QString tst_Files::writeMeeting(const QString &name, const QString &subject,
                                const QStringList &problems)
{
    const QString file = path(name);
    if (!writeFile(file, meetingDocument(subject, problems)))
        qWarning("cannot write %s", qPrintable(file));
    return file;
}

void tst_Files::open(frmMain &window, const QString &file, QList<DialogScript::Answer> more)
{
    DialogScript script(QList<DialogScript::Answer> {chooseFile(file)} + more);
    window.fileOpen();
}

void tst_Files::openIntoEmptyList()
{
    const QString file = writeMeeting("budget.xml", "Budget review", {"Budget", "Hiring"});
    frmMain window;
    frmMainInspector state(window);
    DialogScript script({acceptFile(file)});
    window.fileOpen();

    QCOMPARE(script.seen, QStringList({"file dialog QFileDialog | Open"}));
    QCOMPARE(script.parents.value(0), &window);
    QCOMPARE(state.meetings()->size(), 1);
    const Meeting *meeting = state.meetings()->at(0);
    QCOMPARE(meeting->subject, QStringLiteral("Budget review"));
    QCOMPARE(meeting->fileName, file);
    QVERIFY(meeting->saved);
    QVERIFY(!meeting->modified);
    QCOMPARE(state.workingFileName(), file);
    QCOMPARE(state.currentMeeting(), 0);
    QCOMPARE(state.currentProblem(), -1);
    QCOMPARE(window.windowTitle(), QStringLiteral("::Budget review::"));
    QCOMPARE(window.lvProblems->topLevelItemCount(), 1);
    QCOMPARE(window.lvProblems->topLevelItem(0)->childCount(), 2);
    QVERIFY(!window.txtDecision->isReadOnly());
}

void tst_Files::openWithMeetingsLoaded_data()
{
    QTest::addColumn<QList<DialogScript::Answer>>("answer");
    QTest::addColumn<QStringList>("subjects");
    QTest::addColumn<int>("current");

    QTest::addRow("add") << QList<DialogScript::Answer> {click("Add")}
                         << QStringList {"First", "Second", "Third"} << 2;
    QTest::addRow("enter adds") << QList<DialogScript::Answer> {press(Qt::Key_Return)}
                                << QStringList {"First", "Second", "Third"} << 2;
    QTest::addRow("replace") << QList<DialogScript::Answer> {click("Replace")}
                             << QStringList {"Third"} << 0;
    QTest::addRow("cancel") << QList<DialogScript::Answer> {click("Cancel")}
                            << QStringList {"First", "Second"} << 0;
    QTest::addRow("escape cancels") << QList<DialogScript::Answer> {press(Qt::Key_Escape)}
                                    << QStringList {"First", "Second"} << 0;
}

void tst_Files::openWithMeetingsLoaded()
{
    QFETCH(QList<DialogScript::Answer>, answer);
    QFETCH(QStringList, subjects);
    QFETCH(int, current);

    frmMain window;
    frmMainInspector state(window);
    open(window, writeMeeting("first.xml", "First"));
    open(window, writeMeeting("second.xml", "Second"), {click("Add")});
    window.lvProblems->setCurrentItem(window.lvProblems->topLevelItem(0));
    QCOMPARE(state.currentMeeting(), 0);

    DialogScript script(QList<DialogScript::Answer> {chooseFile(writeMeeting("third.xml", "Third"))}
                        + answer);
    window.fileOpen();

    QCOMPARE(
        script.seen.value(1),
        QStringLiteral("Add or Replace previous meetimg | Replace or Add to previous meeting"));
    QCOMPARE(script.parents.value(1), nullptr);
    QStringList shown;
    for (const Meeting *meeting : std::as_const(*state.meetings())) {
        shown << meeting->subject;
        QVERIFY(meeting->saved && !meeting->modified);
        QCOMPARE(meeting->fileName, path(meeting->subject.toLower() + ".xml"));
    }
    QCOMPARE(shown, subjects);
    QCOMPARE(window.lvProblems->topLevelItemCount(), subjects.size());
    QCOMPARE(state.currentMeeting(), current);
    QCOMPARE(state.workingFileName(), path("third.xml"));
}

void tst_Files::openFailures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("text");

    QTest::addRow("missing file") << "missing.xml" << QByteArray() << "Cannot open file %1";
    QTest::addRow("directory") << "folder" << QByteArray() << "Cannot open file %1";
    QTest::addRow("fifo") << "pipe" << QByteArray() << "Cannot open file %1";
    QTest::addRow("not xml") << "notes.txt" << QByteArray("Budget review, Room 4")
                             << "Parsing error for file %1";
    QTest::addRow("empty file") << "empty.xml" << QByteArray("") << "Parsing error for file %1";
    QTest::addRow("cut short") << "short.xml" << meetingDocument("Cut").left(200)
                               << "Parsing error for file %1";
    QTest::addRow("nested too deep")
        << "deep.xml" << QByteArray("<a>").repeated(1000) + QByteArray("</a>").repeated(1000)
        << "Parsing error for file %1";
}

void tst_Files::openFailures()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, contents);
    QFETCH(QString, text);

    const QString file = path(name);
    if (name == "folder")
        QVERIFY(QDir().mkdir(file));
    else if (name == "pipe")
        QCOMPARE(mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    else if (!contents.isNull())
        QVERIFY(writeFile(file, contents));

    frmMain window;
    frmMainInspector state(window);
    open(window, writeMeeting("kept.xml", "Kept", {"Budget"}));
    DialogScript script({chooseFile(file), press(Qt::Key_Return)});
    window.fileOpen();

    QCOMPARE(script.seen.value(1), "Critical Error | " + text.arg(file));
    QCOMPARE(script.parents.value(1), nullptr);
    QVERIFY(script.finished());
    QCOMPARE(state.meetings()->size(), 1);
    QCOMPARE(state.meetings()->at(0)->subject, QStringLiteral("Kept"));
    QCOMPARE(state.currentMeeting(), 0);
    QCOMPARE(window.lvProblems->topLevelItemCount(), 1);
    QCOMPARE(state.workingFileName(), file);
}

void tst_Files::sameFileTwiceGivesTwoMeetings()
{
    const QString file = writeMeeting("budget.xml", "Budget", {"Printer"});
    frmMain window;
    frmMainInspector state(window);
    open(window, file);
    open(window, file, {click("Add")});

    QCOMPARE(state.meetings()->size(), 2);
    Meeting *first = state.meetings()->at(0);
    Meeting *second = state.meetings()->at(1);
    QVERIFY(first != second);
    QCOMPARE(first->fileName, file);
    QCOMPARE(second->fileName, file);
    QCOMPARE(meetingText(*first), meetingText(*second));
    first->problems->at(0)->decision->text = QStringLiteral("Changed");
    first->participants->removeAt(0);
    QCOMPARE(second->problems->at(0)->decision->text, QStringLiteral("Decided Printer"));
    QCOMPARE(second->participants->size(), 2);
}

void tst_Files::saveWithNoMeetings()
{
    frmMain window;
    DialogScript script({press(Qt::Key_Return)});
    window.fileSave();

    QCOMPARE(script.seen, QStringList({"No data to save | No data to save"}));
    QCOMPARE(script.parents.value(0), &window);
}

static void markEdited(Meeting *meeting)
{
    meeting->modified = true;
    meeting->saved = false;
}

void tst_Files::saveEveryMeetingInTurn()
{
    frmMain window;
    frmMainInspector state(window);
    open(window, writeMeeting("a.xml", "Alpha", {"One"}));
    open(window, writeMeeting("b.xml", "Beta", {"Two"}), {click("Add")});
    open(window, writeMeeting("c.xml", "Gamma", {"Three"}), {click("Add")});
    for (Meeting *meeting : std::as_const(*state.meetings()))
        markEdited(meeting);

    DialogScript script({press(Qt::Key_Return), chooseFile(path("alpha-new.xml")), cancel(),
                         chooseFile(path("gamma-new.xml"))});
    window.fileSave();

    QCOMPARE(script.seen,
             QStringList({"Multiple data | You have more than one meeting defined.\n"
                          "All of them should be saved in separate file!",
                          "file dialog Save file | Choose file name for Alpha",
                          "file dialog Save file | Choose file name for Beta",
                          "file dialog Save file | Choose file name for Gamma"}));
    QCOMPARE(script.parents.value(0), &window);
    QCOMPARE(script.offeredNames, QStringList({"", "", ""}));
    const QList<Meeting *> &meetings = *state.meetings();
    QCOMPARE(meetings.at(0)->fileName, path("alpha-new.xml"));
    QVERIFY(meetings.at(0)->saved && !meetings.at(0)->modified);
    QCOMPARE(meetings.at(1)->fileName, path("b.xml"));
    QVERIFY(!meetings.at(1)->saved && meetings.at(1)->modified);
    QCOMPARE(meetings.at(2)->fileName, path("gamma-new.xml"));
    QVERIFY(meetings.at(2)->saved);
    QCOMPARE(readFile(path("alpha-new.xml")), state.meetingFileContents(0));
    QCOMPARE(readFile(path("gamma-new.xml")), state.meetingFileContents(2));
    QVERIFY(!QFile::exists(path("beta-new.xml")));
    QCOMPARE(state.workingFileName(), path("gamma-new.xml"));
    QCOMPARE(window.txtFull->toPlainText(), state.buildXmlString(2));
}

void tst_Files::saveTwoMeetingsUnderOneName()
{
    frmMain window;
    frmMainInspector state(window);
    open(window, writeMeeting("a.xml", "Alpha"));
    open(window, writeMeeting("b.xml", "Beta"), {click("Add")});
    const QString target = path("both.xml");

    // The second time the file exists, and the dialog asks before replacing it.
    DialogScript script(
        {press(Qt::Key_Return), acceptFile(target), acceptFile(target), click("&Yes")});
    window.fileSave();

    QVERIFY(script.finished());
    QCOMPARE(readFile(target), state.meetingFileContents(1));
    for (const Meeting *meeting : std::as_const(*state.meetings())) {
        QCOMPARE(meeting->fileName, target);
        QVERIFY(meeting->saved);
    }
}

void tst_Files::saveMeetingOffersItsFileName_data()
{
    QTest::addColumn<bool>("fromFile");
    QTest::addRow("opened meeting offers its file") << true;
    QTest::addRow("meeting never saved offers nothing") << false;
}

void tst_Files::saveMeetingOffersItsFileName()
{
    QFETCH(bool, fromFile);

    frmMain window;
    frmMainInspector state(window);
    const QString file = writeMeeting("budget.xml", "Budget Q3");
    open(window, file);
    QCOMPARE(state.meetings()->size(), 1);
    if (!fromFile)
        state.meetings()->at(0)->fileName = QLatin1String("");

    DialogScript script({chooseFile(path("copy.xml"))});
    state.saveMeeting();

    QCOMPARE(script.seen,
             QStringList({"file dialog Save file | Choose file name for \"Budget Q3\""}));
    QCOMPARE(script.offeredNames, QStringList({fromFile ? QStringLiteral("budget.xml") : ""}));
    QCOMPARE(state.meetings()->at(0)->fileName, path("copy.xml"));
    QCOMPARE(readFile(path("copy.xml")), state.meetingFileContents(0));
}

void tst_Files::saveFailuresKeepTheOldFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("kind");

    QTest::addRow("disk full") << "old.xml"
                               << "size limit";
    QTest::addRow("target is a directory") << "folder"
                                           << "directory";
    QTest::addRow("target below a regular file") << "old.xml/new.xml"
                                                 << "below file";
    QTest::addRow("target is a fifo") << "pipe"
                                      << "fifo";
}

// Root-proof failures: a file-size limit stands for a full disk, and the other targets cannot
// be written by anyone.
void tst_Files::saveFailuresKeepTheOldFile()
{
    QFETCH(QString, target);
    QFETCH(QString, kind);

    frmMain window;
    frmMainInspector state(window);
    QStringList problems;
    for (int i = 0; i < 300; ++i)
        problems << QStringLiteral("Problem %1").arg(i);
    const QString old = writeMeeting("old.xml", "Big", problems);
    open(window, old);
    open(window, writeMeeting("other.xml", "Other"), {click("Add")});
    state.meetings()->at(0)->problems->at(0)->notes = QStringLiteral("edited");
    markEdited(state.meetings()->at(0));
    const QByteArray oldBytes = readFile(old);
    if (kind == "directory")
        QVERIFY(QDir().mkdir(path(target)));
    if (kind == "fifo")
        QCOMPARE(mkfifo(QFile::encodeName(path(target)).constData(), 0600), 0);

    rlimit saved;
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto restore = qScopeGuard([saved] { setrlimit(RLIMIT_FSIZE, &saved); });
    if (kind == "size limit") {
        QVERIFY(state.meetingFileContents(0).size() > 16384);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small {16384, saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &small);
    }
    DialogScript script({press(Qt::Key_Return), chooseFile(path(target)), press(Qt::Key_Return)});
    window.fileSave();
    setrlimit(RLIMIT_FSIZE, &saved);

    QCOMPARE(script.seen.value(2), "Critical Error | Cannot save file " + path(target));
    QCOMPARE(script.seen.size(), 3); // the second meeting is not offered
    QCOMPARE(readFile(old), oldBytes);
    const Meeting *meeting = state.meetings()->at(0);
    QVERIFY(meeting->modified && !meeting->saved);
    QCOMPARE(meeting->fileName, old);
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::System).size(),
             kind == "fifo" ? 3 : 2); // no temporary file left behind
    if (kind == "fifo")
        QVERIFY(!QFileInfo(path(target)).isFile());
}

void tst_Files::saveFollowsSymlinkToRegularFile()
{
    frmMain window;
    frmMainInspector state(window);
    const QString real = writeMeeting("real.xml", "Linked");
    QVERIFY(QFile::link(real, path("link.xml")));
    open(window, real);

    DialogScript script({chooseFile(path("link.xml"))});
    state.saveMeeting();

    QVERIFY(QFileInfo(path("link.xml")).isSymLink());
    QCOMPARE(readFile(real), state.meetingFileContents(0));
}

// Open a document, open its entry, select a problem, save under a new name: the file holds the
// same meeting, its problems in the order the tree showed them.
void tst_Files::roadOfOneMeeting()
{
    frmMain window;
    frmMainInspector state(window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    open(window, writeMeeting("road.xml", "Road", {"Budget", "Hiring", "Office"}));

    QTreeWidgetItem *entry = window.lvProblems->topLevelItem(0);
    window.lvProblems->expandItem(entry);
    QStringList shown;
    for (int i = 0; i < entry->childCount(); ++i)
        shown << entry->child(i)->text(0);
    QCOMPARE(shown, QStringList({"Office", "Hiring", "Budget"}));
    window.lvProblems->setCurrentItem(entry->child(1));
    QCOMPARE(window.txtFull->toPlainText(), QStringLiteral("All about Hiring"));

    DialogScript script({chooseFile(path("road-copy.xml"))});
    state.saveMeeting();

    QDomDocument document;
    QString error;
    QVERIFY(MeetingFile::parse(readFile(path("road-copy.xml")), document, error));
    const Meeting *copy = state.readXmlFile(document);
    QCOMPARE(meetingText(*copy), meetingText(*state.meetings()->at(0)));
    QStringList saved;
    for (const Problem *problem : std::as_const(*copy->problems))
        saved << problem->shortDescription;
    QCOMPARE(saved, shown);
}

QTEST_MAIN(tst_Files)
#include "tst_files.moc"
