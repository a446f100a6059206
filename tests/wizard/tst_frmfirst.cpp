// SPDX-License-Identifier: GPL-3.0-or-later
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTreeWidget>

#include "model/personrow.h"
#include "support/wizardanswers.h"

using namespace Answers;

static const Person brown {"Dee", "Brown", "", "", ""}; // what Edit and Add enter

// A click on a problem button with the answers for the dialogs it opens; Edit and Delete act on
// the first row, selected before.
struct Step
{
    QPushButton *frmFirst::*button;
    Script answers;
};

class tst_FrmFirst : public QObject
{
    Q_OBJECT

    std::unique_ptr<frmFirst> wizard;

    // The page of either list, shown, with the records "Young", "Adams" and "Miller" added in
    // that order (the first `count` of them); the rows sort them otherwise.
    QTreeWidget *showList(bool problems, int count = 3)
    {
        const QList<Person> people {{"Zed", "Young", "", "", ""},
                                    {"Bob", "Adams", "", "", ""},
                                    {"Cy", "Miller", "", "", ""}};
        Script answers;
        for (const Person &person : people.first(count))
            answers << (problems ? describe(person.second, "") : enterPerson(person));
        wizard->setStartId(problems ? 1 : 0);
        wizard->show();
        DialogScript script(answers);
        for (int i = 0; i < count; ++i)
            (problems ? wizard->btAddProblem : wizard->btAdd)->click();
        return problems ? wizard->lvProblems : wizard->lbPart;
    }
    // The list's context menu as a right press on the row, or below the rows (-1), opens it.
    static QMenu *contextMenu(QTreeWidget *list, int row)
    {
        QWidget *viewport = list->viewport();
        const QPoint pos = row >= 0 ? list->visualItemRect(list->topLevelItem(row)).center()
                                    : QPoint(5, viewport->height() - 5);
        QTest::mouseClick(viewport, Qt::RightButton, {}, pos);
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, viewport->mapToGlobal(pos));
        QApplication::sendEvent(viewport, &event);
        return qobject_cast<QMenu *>(QApplication::activePopupWidget());
    }

private slots:
    void init() { wizard = std::make_unique<frmFirst>(); }
    void cleanup()
    {
        wizard.reset();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void nextFollowsTheSubject_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("erased"); // Backspace presses after typing
        QTest::addColumn<bool>("next");
        QTest::addColumn<QString>("subject"); // what getTema() gives

        QTest::newRow("nothing typed") << "" << 0 << false << "";
        QTest::newRow("one character") << "a" << 0 << true << "a";
        QTest::newRow("cleared again") << "a" << 1 << false << "a";
        QTest::newRow("shortened") << "ab" << 1 << true << "a";
    }

    // Next waits for a subject; clearing the field keeps the last subject that was not empty.
    void nextFollowsTheSubject()
    {
        QFETCH(QString, typed);
        QFETCH(int, erased);
        QFETCH(bool, next);
        QFETCH(QString, subject);

        wizard->show();
        QTest::keyClicks(wizard->txtTema, typed);
        for (int i = 0; i < erased; ++i)
            QTest::keyClick(wizard->txtTema, Qt::Key_Backspace);

        QCOMPARE(wizard->button(QWizard::NextButton)->isEnabled(), next);
        QCOMPARE(wizard->getTema(), subject);
    }

    void finishFollowsTheProblems_data()
    {
        QTest::addColumn<QList<Step>>("steps");
        QTest::addColumn<bool>("finish");
        QTest::addColumn<int>("problems");

        const Step add {&frmFirst::btAddProblem, {describe("Printer", "It jams")}};
        const Step addBlank {&frmFirst::btAddProblem, {describe("", "")}};
        const Step cancelAdd {&frmFirst::btAddProblem, {cancel()}};
        const Step remove {&frmFirst::btDeleteProblem, {}};
        const Step editToBlank {&frmFirst::btEditProblem, {describe("", "")}};
        QTest::newRow("none yet") << QList<Step> {} << false << 0;
        QTest::newRow("first problem") << QList<Step> {add} << true << 1;
        QTest::newRow("both descriptions blank") << QList<Step> {addBlank} << false << 0;
        QTest::newRow("dialog cancelled") << QList<Step> {cancelAdd} << false << 0;
        QTest::newRow("only one deleted") << QList<Step> {add, remove} << false << 0;
        QTest::newRow("only one blanked in Edit") << QList<Step> {add, editToBlank} << false << 0;
        QTest::newRow("one of two deleted") << QList<Step> {add, add, remove} << true << 1;
    }

    // Finish needs a problem; records and rows come and go together; after a delete no other
    // row is picked for the next click.
    void finishFollowsTheProblems()
    {
        QFETCH(QList<Step>, steps);
        QFETCH(bool, finish);
        QFETCH(int, problems);

        wizard->setStartId(1);
        wizard->show();
        for (const Step &step : steps) {
            if (step.button != &frmFirst::btAddProblem)
                wizard->lvProblems->setCurrentItem(wizard->lvProblems->topLevelItem(0));
            DialogScript script(step.answers);
            (wizard.get()->*step.button)->click();
        }

        QCOMPARE(wizard->button(QWizard::FinishButton)->isEnabled(), finish);
        QCOMPARE(wizard->getProblems()->size(), problems);
        QCOMPARE(wizard->lvProblems->topLevelItemCount(), problems);
        QVERIFY2(!wizard->btDeleteProblem->isEnabled(), "no row stays selected for Delete");
    }

    void commandsTakeTheSelectedRow_data()
    {
        QTest::addColumn<bool>("problems");
        QTest::addColumn<bool>("menu"); // the context menu's entry, or the participants' button
        QTest::addColumn<int>("entry"); // 0 Add, 2 Edit, 3 Delete, in the menu's order
        QTest::addColumn<int>("row"); // sorted: Adams, Miller, Young
        QTest::addColumn<QStringList>("records"); // in the order added
        const auto row = [](const char *name, bool problems, bool menu, int entry, int row,
                            const QStringList &records) {
            QTest::newRow(name) << problems << menu << entry << row << records;
        };
        const QStringList added {"Young", "Adams", "Miller", "Brown"};
        row("participant edited, middle row", false, false, 2, 1, {"Young", "Adams", "Brown"});
        row("participant deleted, middle row", false, false, 3, 1, {"Young", "Adams"});
        row("participants menu: Add", false, true, 0, 0, added);
        row("participants menu: Edit", false, true, 2, 2, {"Brown", "Adams", "Miller"});
        row("participants menu: Delete", false, true, 3, 0, {"Young", "Miller"});
        row("problems menu: Add", true, true, 0, 1, added);
        row("problems menu: Edit", true, true, 2, 0, {"Young", "Brown", "Miller"});
        row("problems menu: Delete", true, true, 3, 2, {"Adams", "Miller"});
    }

    // A row is tied to its record by its texts, not by its place in the sorted list; each menu
    // entry does what the button of its name does, on its own list. (The problems' buttons call
    // what their menu entries call; finishFollowsTheProblems clicks them.)
    void commandsTakeTheSelectedRow()
    {
        QFETCH(bool, problems);
        QFETCH(bool, menu);
        QFETCH(int, entry);
        QFETCH(int, row);
        QFETCH(QStringList, records);
        QTreeWidget *list = showList(problems);
        QMenu *popup = menu ? contextMenu(list, row) : nullptr;
        QVERIFY2(popup || !menu, "no context menu");
        if (!popup)
            list->setCurrentItem(list->topLevelItem(row));

        DialogScript script({problems ? describe("Brown", "") : enterPerson(brown)});
        if (popup) {
            const QRect item = popup->actionGeometry(popup->actions().value(entry));
            QTest::mouseClick(popup, Qt::LeftButton, {}, item.center());
        } else {
            (entry == 2 ? wizard->btEdit : wizard->btDelete)->click();
        }

        QStringList names, shown, rows;
        for (const Participant *person : std::as_const(*wizard->getParticipants())) {
            names << person->secondName;
            shown << PersonRow::displayName(*person);
        }
        for (const Problem *problem : std::as_const(*wizard->getProblems()))
            names << problem->shortDescription;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            rows << list->topLevelItem(i)->text(0);
        QCOMPARE(names, records);
        shown = problems ? names : shown;
        shown.sort();
        QCOMPARE(rows, shown); // sorted, and each record's own
    }

    void contextMenuBelowTheRowsOffersOnlyAdd_data()
    {
        QTest::addColumn<bool>("problems");
        QTest::newRow("participants") << false;
        QTest::newRow("problems") << true;
    }

    // Edit and Delete need a row under the pointer; on a row the commands test takes them.
    void contextMenuBelowTheRowsOffersOnlyAdd()
    {
        QFETCH(bool, problems);
        QMenu *menu = contextMenu(showList(problems, 1), -1);
        QVERIFY(menu);
        const auto close = qScopeGuard([menu] { menu->close(); });
        QList<bool> enabled;
        for (const QAction *action : menu->actions())
            enabled << (action->isSeparator() || action->isEnabled());
        QCOMPARE(enabled, QList<bool>({true, true, false, false}));
    }

    void fullDescriptionStaysPlainText_data()
    {
        QTest::addColumn<bool>("pasted"); // or handed to editLong
        QTest::newRow("pasted") << true;
        QTest::newRow("handed to editLong") << false;
    }

    // Markup, even offered as HTML that a rich text edit would render, stays text.
    void fullDescriptionStaysPlainText()
    {
        QFETCH(bool, pasted);
        const QString markup = QStringLiteral("<b>bold</b> & <i>");
        auto *offered = new QMimeData; // the clipboard takes it
        offered->setText(markup);
        offered->setHtml(markup);
        QApplication::clipboard()->setMimeData(offered);
        const auto clear = qScopeGuard([] { QApplication::clipboard()->clear(); });
        frmDescription description;
        description.show();
        if (pasted)
            QTest::keySequence(description.txtFull, QKeySequence::Paste);
        else
            description.editLong(markup);
        QCOMPARE(description.txtFull->toPlainText(), markup);
    }
};

QTEST_MAIN(tst_FrmFirst)
#include "tst_frmfirst.moc"
