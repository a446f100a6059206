#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

#include "mainwindow/duedateedit.h"
#include "register/decisionfilter.h"
#include "register/decisionregister.h"
#include "register/frmdecisions.h"
#include "support/records.h"
#include "support/windowtest.h"

static const QDateTime now(QDate(2003, 3, 20), QTime(12, 0));

// Meeting "S" with problems A, B and C due 2003-03-14, so overdue at `now`; B is done.
class tst_DoneMark : public WindowTest
{
    Q_OBJECT

    frmDecisions *openRegister()
    {
        Meeting *meeting = makeMeeting("S", {"A", "B", "C"});
        meeting->problems->at(1)->decision->done = QDateTime(QDate(2003, 3, 15), QTime(9, 0));
        state().load({meeting});
        window->decisionsOpen();
        auto *decisions = window->findChild<frmDecisions *>();
        decisions->clock = [] {
            return now;
        };
        decisions->showMeetings(*state().meetings());
        return decisions;
    }
    static QStringList shown(const frmDecisions &decisions)
    {
        QStringList problems;
        for (int row = 0; row < decisions.filter->rowCount(); ++row)
            problems
                << decisions.filter->index(row, DecisionRegister::ProblemColumn).data().toString();
        return problems;
    }
    // The meeting's entry, opened, shows its problems as C, B, A and puts them in that order.
    Problem *problem(const QString &name) const
    {
        return state().meetings()->at(0)->problems->at(2 - (name.at(0).unicode() - u'A'));
    }
    void select(const QString &name) { state().select(0, 2 - (name.at(0).unicode() - u'A')); }

    // Marks the row of that problem the way the row names.
    void mark(frmDecisions *decisions, const QString &problem, const QString &how)
    {
        QTreeView *view = decisions->lvDecisions;
        const QModelIndex row
            = decisions->filter->index(int(shown(*decisions).indexOf(problem)), 0);
        QVERIFY2(row.isValid(), qPrintable(problem + " is not shown"));
        const QRect cell = view->visualRect(row);
        if (how == "check box") {
            QStyleOptionButton option;
            option.rect = cell;
            const QRect box
                = view->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option);
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, box.center());
            return;
        }
        view->setCurrentIndex(row.siblingAtColumn(DecisionRegister::ProblemColumn));
        if (how == "Space") {
            QTest::keyClick(view, Qt::Key_Space);
            return;
        }
        QTimer::singleShot(0, view, [] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY2(menu, "no context menu");
            menu->setActiveAction(menu->actions().at(0));
            QTest::keyClick(menu, Qt::Key_Return);
        });
        emit view->customContextMenuRequested(cell.center());
    }

private slots:
    // Overdue is open and past due; the count names open, overdue and done.
    void showsWhatIsOpen()
    {
        frmDecisions *decisions = openRegister();
        QCOMPARE(shown(*decisions), (QStringList {"A", "C"}));
        QCOMPARE(decisions->lblCount->text(),
                 "Shown: 2 of 3 problems; open: 2, overdue: 2, done: 1");
        decisions->chkShowDone->setChecked(true);
        QCOMPARE(shown(*decisions), (QStringList {"A", "B", "C"}));
        const QModelIndex done = decisions->filter->index(1, DecisionRegister::DoneColumn);
        QCOMPARE(done.data().toString(), "2003-03-15 09:00");
        QCOMPARE(done.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QCOMPARE(decisions->filter->index(1, DecisionRegister::OverdueColumn).data().toString(),
                 "");
        QVERIFY2(done.data(Qt::ForegroundRole).value<QBrush>().color() == QColor(0x80, 0x80, 0x80),
                 "a done row is greyed");
    }

    void markFromTheRegister_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("check box") << "check box";
        QTest::newRow("Space") << "Space";
        QTest::newRow("context menu") << "context menu";
    }

    // Marked done, the row leaves the list and the editor showing it checks its box; marked open
    // again among the done ones shown, both go back.
    void markFromTheRegister()
    {
        QFETCH(QString, how);
        frmDecisions *decisions = openRegister();
        select("C");
        state().meetings()->at(0)->saved = true;
        mark(decisions, "C", how);
        QVERIFY2(problem("C")->decision->isDone(), "C is done");
        QCOMPARE(shown(*decisions), QStringList {"A"});
        QVERIFY2(window->chkDone->isChecked(), "the editor shows C done");
        QVERIFY2(!state().meetings()->at(0)->saved, "the meeting needs saving again");

        decisions->chkShowDone->setChecked(true);
        mark(decisions, "C", how);
        QVERIFY2(!problem("C")->decision->isDone(), "C is open again");
        QVERIFY2(!window->chkDone->isChecked(), "the editor shows C open");
        QCOMPARE(decisions->lblCount->text(),
                 "Shown: 3 of 3 problems; open: 2, overdue: 2, done: 1");
    }

    void markFromTheEditor()
    {
        frmDecisions *decisions = openRegister();
        select("A");
        QVERIFY2(window->chkDone->isEnabled(), "a problem can be marked");
        QTest::mouseClick(window->chkDone, Qt::LeftButton);
        QVERIFY2(problem("A")->decision->isDone(), "A is done");
        QCOMPARE(shown(*decisions), QStringList {"C"});
        QTest::mouseClick(window->chkDone, Qt::LeftButton);
        QCOMPARE(problem("A")->decision->done, QDateTime());
        QCOMPARE(shown(*decisions), (QStringList {"A", "C"}));

        select("B");
        QVERIFY2(window->chkDone->isChecked(), "B shows done");
        state().select(0);
        QVERIFY2(!window->chkDone->isEnabled(), "a meeting has no done mark");
        QVERIFY2(!window->chkDone->isChecked(), "a meeting shows none");
    }

    // Cleared with the button, a due date is none: never overdue, last in the register.
    void dueDateCleared()
    {
        frmDecisions *decisions = openRegister();
        select("A");
        window->btNoDue->setFocus();
        QTest::keyClick(window->btNoDue, Qt::Key_Space);
        QCOMPARE(problem("A")->decision->due, QDateTime());
        QCOMPARE(shown(*decisions), (QStringList {"C", "A"}));
        QCOMPARE(decisions->filter->index(1, DecisionRegister::OverdueColumn).data().toString(),
                 "");
        state().select(0);
        QVERIFY2(!window->btNoDue->isEnabled(), "a meeting keeps its date");
    }
};

QTEST_MAIN(tst_DoneMark)
#include "tst_donemark.moc"
