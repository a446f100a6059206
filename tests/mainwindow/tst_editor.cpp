#include <QDateTimeEdit>
#include <QDomDocument>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>

#include "app/frmmain.h"
#include "model/recordstore.h"
#include "support/dialogscript.h"
#include "support/frmmaininspector.h"
#include "wizard/frmpeople.h"

using namespace Answers;

class tst_Editor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void typingWritesThrough_data();
    void typingWritesThrough();
    void dueDateWritesThrough_data();
    void dueDateWritesThrough();
    void addPerson_data();
    void addPerson();
    void editPerson_data();
    void editPerson();
    void deleteSecondOfThree();
    void doubleClick_data();
    void doubleClick();
    void rowSelectionEnablesButtons();
    void withoutCurrentMeetingNothingChanges();
    void savedFileHoldsEveryChange();

private:
    struct Loaded
    {
        Meeting *meeting;
        QTreeWidgetItem *entry;
    };
    static Loaded load(frmMain &window, int participants = 3);
};

void tst_Editor::initTestCase()
{
    qputenv("TZ", "UTC");
}

void tst_Editor::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

static Participant *person(const QString &first, const QString &second)
{
    auto *participant = RecordStore::make<Participant>();
    participant->firstName = first;
    participant->secondName = second;
    participant->occupation = first + QLatin1String(" works");
    participant->email = first.toLower() + QLatin1String("@example.org");
    participant->phone = QStringLiteral("100");
    return participant;
}

// A saved meeting with participants Ann, Ben, Cid and one problem with responsible Dan, shown
// in the tree with its entry opened; the window is shown so that typing reaches it.
tst_Editor::Loaded tst_Editor::load(frmMain &window, int participants)
{
    frmMainInspector state(window);
    auto *meeting = RecordStore::make<Meeting>();
    meeting->subject = QStringLiteral("Review");
    meeting->date = QDateTime(QDate(2003, 3, 6), QTime(14, 30));
    meeting->decisionText = QStringLiteral("Meeting decision");
    meeting->notes = QStringLiteral("Meeting notes");
    const QStringList names {"Ann", "Ben", "Cid"};
    for (int i = 0; i < participants; ++i)
        meeting->participants->append(person(names.at(i), QStringLiteral("Smith")));
    auto *problem = RecordStore::make<Problem>(QStringLiteral("Printer"), QStringLiteral("Jams"));
    problem->decision->text = QStringLiteral("Problem decision");
    problem->decision->due = QDateTime(QDate(2003, 3, 14), QTime(12, 0));
    problem->notes = QStringLiteral("Problem notes");
    problem->responsibles->append(person(QStringLiteral("Dan"), QStringLiteral("Doe")));
    meeting->problems->append(problem);
    meeting->modified = false;
    meeting->saved = true;
    state.meetings()->append(meeting);
    state.rebuildTree();
    window.show();
    QTreeWidgetItem *entry = window.lvProblems->topLevelItem(0);
    window.lvProblems->expandItem(entry);
    return {meeting, entry};
}

static bool marked(const Meeting *meeting)
{
    return meeting->modified && !meeting->saved;
}

void tst_Editor::typingWritesThrough_data()
{
    QTest::addColumn<bool>("problemMode");
    QTest::addColumn<QString>("editor");
    QTest::addRow("problem decision") << true << "txtDecision";
    QTest::addRow("problem notes") << true << "txtNotes";
    QTest::addRow("meeting decision") << false << "txtDecision";
    QTest::addRow("meeting notes") << false << "txtNotes";
}

void tst_Editor::typingWritesThrough()
{
    QFETCH(bool, problemMode);
    QFETCH(QString, editor);

    frmMain window;
    const Loaded loaded = load(window);
    window.lvProblems->setCurrentItem(problemMode ? loaded.entry->child(0) : loaded.entry);
    QVERIFY(!marked(loaded.meeting));
    auto *edit = window.findChild<QTextEdit *>(editor);
    edit->moveCursor(QTextCursor::End);
    QTest::keyClick(edit, Qt::Key_X);

    const Problem *problem = loaded.meeting->problems->at(0);
    const bool decision = editor == "txtDecision";
    const QString stored = problemMode
        ? (decision ? problem->decision->text : problem->notes)
        : (decision ? loaded.meeting->decisionText : loaded.meeting->notes);
    QCOMPARE(stored, edit->toPlainText());
    QVERIFY(stored.endsWith(QLatin1Char('x')));
    QVERIFY(marked(loaded.meeting));
    // The other text of the record is untouched.
    if (problemMode)
        QCOMPARE(loaded.meeting->decisionText, QStringLiteral("Meeting decision"));
    else
        QCOMPARE(problem->decision->text, QStringLiteral("Problem decision"));
}

void tst_Editor::dueDateWritesThrough_data()
{
    QTest::addColumn<bool>("problemMode");
    QTest::addRow("problem due date") << true;
    QTest::addRow("meeting date") << false;
}

void tst_Editor::dueDateWritesThrough()
{
    QFETCH(bool, problemMode);

    frmMain window;
    const Loaded loaded = load(window);
    window.lvProblems->setCurrentItem(problemMode ? loaded.entry->child(0) : loaded.entry);
    const QDateTime &stored
        = problemMode ? loaded.meeting->problems->at(0)->decision->due : loaded.meeting->date;
    const QDateTime before = stored;

    // The widget reporting its own value still marks the meeting.
    emit window.dtDue->dateTimeChanged(window.dtDue->dateTime());
    QCOMPARE(stored, before);
    QVERIFY(marked(loaded.meeting));

    window.dtDue->setFocus();
    window.dtDue->setCurrentSection(QDateTimeEdit::YearSection);
    QTest::keyClick(window.dtDue, Qt::Key_Up);
    QCOMPARE(stored, before.addYears(1));
    QCOMPARE(window.dtDue->dateTime(), stored);
}

static DialogScript::Answer fillPerson(const QStringList &texts)
{
    return [texts](QWidget *dialog) {
        const char *names[] = {"txtFN", "txtSN", "txtOccupation", "txtEmail", "txtPhone"};
        for (int i = 0; i < 5; ++i) {
            auto *edit = dialog->findChild<QLineEdit *>(names[i]);
            edit->clear();
            QTest::keyClicks(edit, texts.value(i));
        }
        QTest::keyClick(dialog->findChild<QLineEdit *>("txtFN"), Qt::Key_Return);
    };
}

static QStringList fieldsOf(QWidget *dialog)
{
    QStringList texts;
    for (const char *name : {"txtFN", "txtSN", "txtOccupation", "txtEmail", "txtPhone"})
        texts << dialog->findChild<QLineEdit *>(name)->text();
    return texts;
}

static QStringList rowTexts(const QTreeWidget *list, int row)
{
    QStringList texts;
    for (int column = 0; column < 4; ++column)
        texts << list->topLevelItem(row)->text(column);
    return texts;
}

void tst_Editor::addPerson_data()
{
    QTest::addColumn<bool>("problemMode");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<bool>("added");
    QTest::addColumn<QStringList>("row");

    const QStringList full {"Eve", "Stone", "Judge", "eve@example.org", "555"};
    const QStringList fullRow {"Stone, Eve", "Judge", "555", "eve@example.org"};
    QTest::addRow("participant in meeting mode") << false << full << true << fullRow;
    QTest::addRow("responsible in problem mode") << true << full << true << fullRow;
    QTest::addRow("first name alone")
        << true << QStringList {"Eve"} << true << QStringList {", Eve", "", "", ""};
    QTest::addRow("second name alone")
        << false << QStringList {"", "Stone"} << true << QStringList {"Stone, ", "", "", ""};
    QTest::addRow("blanks count as a name")
        << false << QStringList {" "} << true << QStringList {",  ", "", "", ""};
    QTest::addRow("no name refused")
        << true << QStringList {"", "", "Judge", "e@x", "1"} << false << QStringList();
}

void tst_Editor::addPerson()
{
    QFETCH(bool, problemMode);
    QFETCH(QStringList, typed);
    QFETCH(bool, added);
    QFETCH(QStringList, row);

    frmMain window;
    const Loaded loaded = load(window);
    window.lvProblems->setCurrentItem(problemMode ? loaded.entry->child(0) : loaded.entry);
    QList<Participant *> &target = problemMode ? *loaded.meeting->problems->at(0)->responsibles
                                               : *loaded.meeting->participants;
    QList<Participant *> &other = problemMode ? *loaded.meeting->participants
                                              : *loaded.meeting->problems->at(0)->responsibles;
    const qsizetype before = target.size();
    const qsizetype otherBefore = other.size();
    QTest::ignoreMessage(QtDebugMsg, problemMode ? "Problem N: 0" : "No problem selected");

    DialogScript script({fillPerson(typed)});
    QTest::mouseClick(window.btAddResp, Qt::LeftButton);

    QCOMPARE(script.seen, QStringList({"frmPeople | Adding new person"}));
    QCOMPARE(other.size(), otherBefore);
    QCOMPARE(target.size(), before + (added ? 1 : 0));
    QCOMPARE(window.lvResp->topLevelItemCount(), int(target.size()));
    QCOMPARE(marked(loaded.meeting), added);
    if (!added)
        return;
    const Participant *person = target.last();
    QCOMPARE(QStringList({person->firstName, person->secondName, person->occupation, person->email,
                          person->phone}),
             (typed + QStringList {"", "", "", "", ""}).mid(0, 5));
    QCOMPARE(rowTexts(window.lvResp, int(before)), row);
}

void tst_Editor::editPerson_data()
{
    QTest::addColumn<QList<DialogScript::Answer>>("answer");
    QTest::addColumn<bool>("changed");
    QTest::addRow("accepted") << QList<DialogScript::Answer> {fillPerson(
        {"Bea", "Stone", "Chair", "bea@example.org", "777"})}
                              << true;
    QTest::addRow("cancelled") << QList<DialogScript::Answer> {press(Qt::Key_Escape)} << false;
    QTest::addRow("both names emptied")
        << QList<DialogScript::Answer> {fillPerson({"", "", "Chair", "bea@example.org", "777"})}
        << false;
}

void tst_Editor::editPerson()
{
    QFETCH(QList<DialogScript::Answer>, answer);
    QFETCH(bool, changed);

    frmMain window;
    const Loaded loaded = load(window);
    window.lvProblems->setCurrentItem(loaded.entry);
    window.lvResp->setCurrentItem(window.lvResp->topLevelItem(1));
    QVERIFY(window.btEditResp->isEnabled());
    const QStringList rowBefore = rowTexts(window.lvResp, 1);

    QStringList shown;
    DialogScript script({[&shown, answer](QWidget *dialog) {
        shown = fieldsOf(dialog);
        answer.first()(dialog);
    }});
    QTest::mouseClick(window.btEditResp, Qt::LeftButton);

    QCOMPARE(script.seen, QStringList({"frmPeople | Edit person"}));
    QCOMPARE(shown, QStringList({"Ben", "Smith", "Ben works", "ben@example.org", "100"}));
    const Participant *ben = loaded.meeting->participants->at(1);
    QCOMPARE(loaded.meeting->participants->size(), 3);
    QCOMPARE(marked(loaded.meeting), changed);
    if (changed) {
        QCOMPARE(
            QStringList({ben->firstName, ben->secondName, ben->occupation, ben->email, ben->phone}),
            QStringList({"Bea", "Stone", "Chair", "bea@example.org", "777"}));
        QCOMPARE(rowTexts(window.lvResp, 1),
                 QStringList({"Stone, Bea", "Chair", "777", "bea@example.org"}));
    } else {
        QCOMPARE(ben->firstName, QStringLiteral("Ben"));
        QCOMPARE(rowTexts(window.lvResp, 1), rowBefore);
    }
}

void tst_Editor::deleteSecondOfThree()
{
    frmMain window;
    const Loaded loaded = load(window);
    window.lvProblems->setCurrentItem(loaded.entry);
    Participant *ben = loaded.meeting->participants->at(1);
    Participant *cid = loaded.meeting->participants->at(2);
    window.lvResp->setCurrentItem(window.lvResp->topLevelItem(1));
    QTest::mouseClick(window.btDeleteResp, Qt::LeftButton);

    QCOMPARE(loaded.meeting->participants->size(), 2);
    QCOMPARE(loaded.meeting->participants->at(1), cid);
    QCOMPARE(ben->firstName, QStringLiteral("Ben")); // unlinked, still valid
    QCOMPARE(window.lvResp->topLevelItemCount(), 2);
    QVERIFY(marked(loaded.meeting));
    QCOMPARE(loaded.meeting->problems->at(0)->responsibles->size(), 1);

    // The former third row now stands for the second record.
    window.lvResp->setCurrentItem(window.lvResp->topLevelItem(1));
    QStringList shown;
    DialogScript script({[&shown](QWidget *dialog) {
        shown = fieldsOf(dialog);
        QTest::keyClick(dialog, Qt::Key_Escape);
    }});
    window.btEditResp->click();
    QCOMPARE(shown.value(0), QStringLiteral("Cid"));
}

void tst_Editor::doubleClick_data()
{
    QTest::addColumn<bool>("onRow");
    QTest::addRow("on a row opens Edit person") << true;
    QTest::addRow("on empty space does nothing") << false;
}

void tst_Editor::doubleClick()
{
    QFETCH(bool, onRow);

    frmMain window;
    const Loaded loaded = load(window);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.lvProblems->setCurrentItem(loaded.entry);
    QWidget *viewport = window.lvResp->viewport();
    const QPoint pos = onRow
        ? window.lvResp->visualItemRect(window.lvResp->topLevelItem(2)).center()
        : QPoint(5, viewport->height() - 5);

    DialogScript script({[](QWidget *dialog) {
        QTest::keyClick(dialog, Qt::Key_Escape);
    }});
    // A double click as the window system delivers it: a click, then the double click.
    QTest::mouseClick(viewport, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, pos);
    QTest::qWait(50);

    QCOMPARE(script.seen, onRow ? QStringList({"frmPeople | Edit person"}) : QStringList());
    QVERIFY(!marked(loaded.meeting));
}

void tst_Editor::rowSelectionEnablesButtons()
{
    frmMain window;
    const Loaded loaded = load(window);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.lvProblems->setCurrentItem(loaded.entry);
    QVERIFY(window.btAddResp->isEnabled());
    QVERIFY(!window.btEditResp->isEnabled());

    QWidget *viewport = window.lvResp->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {},
                      window.lvResp->visualItemRect(window.lvResp->topLevelItem(0)).center());
    QVERIFY(window.btEditResp->isEnabled());
    QVERIFY(window.btDeleteResp->isEnabled());
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(5, viewport->height() - 5));
    QVERIFY(!window.btEditResp->isEnabled());
    QVERIFY(!window.btDeleteResp->isEnabled());
}

void tst_Editor::withoutCurrentMeetingNothingChanges()
{
    frmMain window;
    const Loaded loaded = load(window);
    frmMainInspector state(window);
    QCOMPARE(state.currentMeeting(), -1);

    QTest::ignoreMessage(QtDebugMsg, "No problem selected");
    QTest::ignoreMessage(QtDebugMsg, "Error 100");
    DialogScript script({fillPerson({"Eve", "Stone"})});
    window.btAddResp->click(); // disabled for a user, but the slot must hold on its own
    window.btAddResp_clicked();
    QTest::ignoreMessage(QtDebugMsg, "Is 0");
    window.btEditResp_clicked();
    QTest::ignoreMessage(QtDebugMsg, "No selection");
    window.btDeleteResp_clicked();
    QTest::keyClicks(window.txtDecision, QStringLiteral("typed"));
    emit window.dtDue->dateTimeChanged(QDateTime(QDate(2010, 1, 1), QTime(0, 0)));

    QVERIFY(script.finished());
    QCOMPARE(loaded.meeting->participants->size(), 3);
    QCOMPARE(loaded.meeting->decisionText, QStringLiteral("Meeting decision"));
    QCOMPARE(loaded.meeting->date, QDateTime(QDate(2003, 3, 6), QTime(14, 30)));
    QVERIFY(!marked(loaded.meeting));
}

// Select a problem, type a decision, pick a due date, add, edit and delete responsibles, save:
// the file holds every change.
void tst_Editor::savedFileHoldsEveryChange()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    frmMain window;
    frmMainInspector state(window);
    const Loaded loaded = load(window);
    window.lvProblems->setCurrentItem(loaded.entry->child(0));
    window.txtDecision->selectAll();
    QTest::keyClicks(window.txtDecision, QStringLiteral("Buy a printer"));
    window.dtDue->setDateTime(QDateTime(QDate(2004, 5, 6), QTime(7, 8, 9)));
    {
        DialogScript script({fillPerson({"Eve", "Stone", "Judge", "eve@example.org", "555"})});
        window.btAddResp->click();
    }
    window.lvResp->setCurrentItem(window.lvResp->topLevelItem(0));
    window.btDeleteResp->click();
    window.lvResp->setCurrentItem(window.lvResp->topLevelItem(0));
    {
        DialogScript script({fillPerson({"Eva", "Stone", "Judge", "eva@example.org", "556"})});
        window.btEditResp->click();
    }
    {
        DialogScript script({chooseFile(dir.filePath("saved.xml"))});
        state.saveMeeting();
    }

    QFile file(dir.filePath("saved.xml"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QDomDocument document;
    QVERIFY(document.setContent(&file));
    const Meeting *saved = state.readXmlFile(document);
    const Problem *problem = saved->problems->at(0);
    QCOMPARE(problem->decision->text, QStringLiteral("Buy a printer"));
    QCOMPARE(problem->decision->due, QDateTime(QDate(2004, 5, 6), QTime(7, 8, 9)));
    QCOMPARE(problem->responsibles->size(), 1);
    QCOMPARE(problem->responsibles->at(0)->firstName, QStringLiteral("Eva"));
    QCOMPARE(problem->responsibles->at(0)->phone, QStringLiteral("556"));
    QVERIFY(loaded.meeting->saved);
}

QTEST_MAIN(tst_Editor)
#include "tst_editor.moc"
