#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTreeWidget>

#include "support/dialogscript.h"
#include "support/documents.h"
#include "support/frmmaininspector.h"
#include "support/meetingtext.h"
#include "support/records.h"

class tst_Editor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("TZ", "UTC"); }
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void editing_data();
    void editing();
    void fromNothingSelectedToSaved();
};

// Notes in `shown` what the person dialog shows, types the texts (first name, second name,
// occupation, e-mail, phone, split by '/') and presses Enter; without texts it presses Escape.
static DialogScript::Answer fillPerson(const QString &texts, QStringList &shown)
{
    return [texts, &shown](QWidget *dialog) {
        const char *const names[] = {"txtFN", "txtSN", "txtOccupation", "txtEmail", "txtPhone"};
        for (int i = 0; i < 5; ++i) {
            auto *edit = dialog->findChild<QLineEdit *>(names[i]);
            shown << edit->text();
            edit->clear();
            QTest::keyClicks(edit, texts.section('/', i, i));
        }
        QTest::keyClick(dialog, texts.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
    };
}

// A shown window with meeting "M": participants Ann, Ben, Cid, problem "Printer" with
// responsible R0; the entry is opened and the meeting (0), its problem (1) or nothing selected.
static Meeting *show(frmMain &window, int selected)
{
    Meeting *meeting = frmMainInspector(window).meetings()->emplace_back(
        makeMeeting("M", {"Printer"}, {"Ann", "Ben", "Cid"}));
    frmMainInspector(window).rebuildTree();
    window.show();
    QTreeWidgetItem *entry = window.lvProblems->topLevelItem(0);
    window.lvProblems->expandItem(entry);
    if (selected >= 0)
        window.lvProblems->setCurrentItem(selected ? entry->child(0) : entry);
    return meeting;
}

// Each row of the list as "name|occupation|phone|e-mail".
static QStringList rows(const QTreeWidget *list)
{
    QStringList texts;
    for (const QTreeWidgetItem *row : list->findItems("*", Qt::MatchWildcard)) // all, in order
        texts << QStringList {row->text(0), row->text(1), row->text(2), row->text(3)}.join('|');
    return texts;
}

void tst_Editor::editing_data()
{
    using L = QStringList;
    QTest::addColumn<bool>("problem");
    QTest::addColumn<QString>("action"); // the editor typed into, or the button clicked
    QTest::addColumn<L>("dialog"); // typed ("": Escape), the row made ("": none); Ben is edited
    for (const bool problem : {true, false})
        for (const char *editor : {"txtDecision", "txtNotes", "dtDue"})
            QTest::addRow("%s %s", problem ? "problem" : "meeting", editor)
                << problem << editor << L();
    const L eve {"Eve/Stone/Judge/eve@example.org/555", "Stone, Eve|Judge|555|eve@example.org"};
    QTest::addRow("add participant in meeting mode") << false << "btAddResp" << eve;
    QTest::addRow("add responsible in problem mode") << true << "btAddResp" << eve;
    QTest::addRow("first name alone") << true << "btAddResp" << L {"Eve////", ", Eve|||"};
    QTest::addRow("blank name counts") << false << "btAddResp" << L {"/ ///", " , |||"};
    QTest::addRow("no name refused") << true << "btAddResp" << L {"//Judge/e@x/1", ""};
    QTest::addRow("edit accepted")
        << false << "btEditResp" << L {"Bea/Roe/Chair/b@x/7", "Roe, Bea|Chair|7|b@x"};
    QTest::addRow("edit cancelled") << false << "btEditResp" << L {"", ""};
    QTest::addRow("both names emptied") << false << "btEditResp" << L {"//Chair/b@x/7", ""};
}

// Each edit changes its record at once, and nothing else, and marks the meeting; the due date
// marks it also for the value it already holds. A person needs a first or a second name.
void tst_Editor::editing()
{
    QFETCH(bool, problem);
    QFETCH(QString, action);
    QFETCH(QStringList, dialog);

    frmMain window;
    Meeting *meeting = show(window, problem);
    QVERIFY(!isMarked(meeting));
    const QString before = meetingText(*meeting);
    QStringList rowsShown = rows(window.lvResp), shown;
    QString old, now; // the part of the meeting text that changes, before and after
    if (auto *text = window.findChild<QTextEdit *>(action)) {
        old = text->toPlainText();
        now = old + 'x';
        text->moveCursor(QTextCursor::End);
        QTest::keyClick(text, Qt::Key_X);
    } else if (action == "dtDue") {
        old = window.dtDue->dateTime().toString(Qt::ISODate);
        now = QString(old).replace("2003-", "2004-"); // a year later
        emit window.dtDue->dateTimeChanged(window.dtDue->dateTime());
        QVERIFY(isMarked(meeting));
        window.dtDue->setFocus();
        window.dtDue->setCurrentSection(QDateTimeEdit::YearSection);
        QTest::keyClick(window.dtDue, Qt::Key_Up);
    } else {
        const bool edit = action == "btEditResp";
        auto &list = *(problem ? meeting->problems->at(0)->responsibles : meeting->participants);
        old = personText(*(edit ? list.at(1) : list.last()));
        if (edit)
            window.lvResp->setCurrentItem(window.lvResp->topLevelItem(1));
        else
            QTest::ignoreMessage(QtDebugMsg, problem ? "Problem N: 0" : "No problem selected");
        DialogScript script({fillPerson(dialog.at(0), shown)});
        QTest::mouseClick(window.findChild<QPushButton *>(action), Qt::LeftButton);
        QCOMPARE(script.seen,
                 QStringList({edit ? "frmPeople | Edit person" : "frmPeople | Adding new person"}));
        QCOMPARE(shown.join('/'), edit ? "Ben/Smith/Ben works/ben@example.org/100" : "////");
        const QString &person = dialog.at(0), &row = dialog.at(1);
        now = row.isEmpty() ? old : edit ? person : old + "; " + person;
        if (!row.isEmpty()) // in place of Ben's row, or after the last
            (edit ? rowsShown[1] : rowsShown.emplace_back()) = row;
    }
    QCOMPARE(before.count(old), 1);
    QCOMPARE(meetingText(*meeting), QString(before).replace(old, now));
    QCOMPARE(rows(window.lvResp), rowsShown);
    QCOMPARE(isMarked(meeting), old != now);
}

// With nothing selected nothing changes. A click on a row enables Edit and Delete, one on empty
// space disables them; a double click opens "Edit person" on a row only. Deleting just unlinks
// the person, and the rows after it still name theirs. The saved file holds every change.
void tst_Editor::fromNothingSelectedToSaved()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    frmMain window;
    frmMainInspector state(window);
    Meeting *meeting = show(window, -1);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QString untouched = meetingText(*meeting);
    QStringList shown;
    DialogScript script({fillPerson("Eve/Stone", shown), fillPerson("Cy/Smith///556", shown),
                         fillPerson("Eve/Stone", shown),
                         Answers::chooseFile(dir.filePath("saved.xml"))});
    for (const char *trace : {"No problem selected", "Error 100", "Is 0", "No selection"})
        QTest::ignoreMessage(QtDebugMsg, trace);
    window.btAddResp_clicked();
    window.btEditResp_clicked();
    window.btDeleteResp_clicked();
    QTest::keyClicks(window.txtDecision, "typed");
    emit window.dtDue->dateTimeChanged(QDateTime(QDate(2010, 1, 1), QTime(0, 0)));
    QCOMPARE(meetingText(*meeting) + (isMarked(meeting) ? " marked" : ""), untouched);

    QTreeWidgetItem *entry = window.lvProblems->topLevelItem(0);
    window.lvProblems->setCurrentItem(entry);
    const QList<Participant *> persons = *meeting->participants;
    QWidget *viewport = window.lvResp->viewport();
    const QPoint second = window.lvResp->visualItemRect(window.lvResp->topLevelItem(1)).center();
    const QPoint empty(5, viewport->height() - 5);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, second);
    QVERIFY(window.btEditResp->isEnabled() && window.btDeleteResp->isEnabled());
    QTest::mouseClick(viewport, Qt::LeftButton, {}, empty);
    QVERIFY(!window.btEditResp->isEnabled() && !window.btDeleteResp->isEnabled());
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, empty);
    QTest::qWait(30);
    QCOMPARE(script.seen.size(), 1); // the Add dialog with nothing selected
    QTest::mouseClick(viewport, Qt::LeftButton, {}, second);
    QTest::mouseClick(window.btDeleteResp, Qt::LeftButton);
    QCOMPARE(*meeting->participants, QList<Participant *>({persons.at(0), persons.at(2)}));
    QCOMPARE(persons.at(1)->firstName, QStringLiteral("Ben")); // unlinked, still valid
    QVERIFY(isMarked(meeting));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, second); // a double click starts as a click
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, second);
    QCOMPARE(shown.join('/'), "/////Cid/Smith/Cid works/cid@example.org/100");
    QCOMPARE(rows(window.lvResp).join("; "),
             "Smith, Ann|Ann works|100|ann@example.org; Smith, Cy||556|");

    window.lvProblems->setCurrentItem(entry->child(0));
    window.txtDecision->selectAll();
    QTest::keyClicks(window.txtDecision, "Buy a printer");
    window.dtDue->setDateTime(QDateTime(QDate(2004, 5, 6), QTime(7, 8, 9)));
    window.btAddResp->click();
    state.saveMeeting();
    QCOMPARE(script.seen.mid(1, 2), QStringList({"frmPeople | Edit person", script.seen.at(0)}));
    QVERIFY(script.finished() && meeting->saved);
    QDomDocument document;
    QString error;
    QVERIFY(MeetingFile::parse(readFile(dir.filePath("saved.xml")), document, error));
    const Meeting *saved = state.readXmlFile(document);
    QCOMPARE(personsText(*saved->participants) + problemText(*saved->problems->at(0)),
             "[Ann/Smith/Ann works/ann@example.org/100; Cy/Smith///556]Printer|Printer #0|"
             "Notes on Printer #0|Buy a printer|2004-05-06T07:08:09|"
             "[R0/Doe/R0 works/r0@example.org/100; Eve/Stone///]");
}

QTEST_MAIN(tst_Editor)
#include "tst_editor.moc"
