// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>

#include "mainwindow/duedateedit.h"
#include "support/dialogscript.h"
#include "support/documents.h"
#include "support/records.h"
#include "support/windowtest.h"
#include "support/wizardanswers.h"

using namespace Answers;

static const QDateTime now(QDate(2003, 3, 10), QTime(12, 0));
static constexpr int noDate = std::numeric_limits<int>::min();

// A problem of a register: its meeting (0, 1 or 2), its short description, its due date in
// seconds from `now` (or noDate) and its decision.
struct Entry
{
    int meeting;
    QString shortDescription;
    int dueFromNow;
    QString decision = QStringLiteral("Decided");
};

class tst_Register : public WindowTest
{
    Q_OBJECT

    static QDateTime fixedNow() { return now; }
    // A register of three meetings holding the entries, in entry order, responsible "R<m> Doe" in
    // meeting m; its overdue marks measured against `now`.
    static std::unique_ptr<frmDecisions> registerOf(const QList<Entry> &entries)
    {
        QList<Meeting *> meetings {makeMeeting("Budget", {}), makeMeeting("Hiring", {}),
                                   makeMeeting("Office", {})};
        for (const Entry &entry : entries) {
            Meeting *meeting = meetings.at(entry.meeting);
            ProblemValue problem = problemValue(entry.shortDescription, entry.meeting);
            problem.decision = entry.decision;
            problem.due = entry.dueFromNow == noDate ? QDateTime() : now.addSecs(entry.dueFromNow);
            meeting->problems->append(recordOf(problem, meeting->records));
        }
        auto decisions = std::make_unique<frmDecisions>();
        decisions->clock = fixedNow;
        decisions->showMeetings(meetings);
        return decisions;
    }

    // doneInTheMiddle() in the main window's register, measured ten days after `now`, when its
    // problems are past due.
    frmDecisions *openRegister()
    {
        state().load({doneInTheMiddle()});
        window->decisionsOpen();
        auto *decisions = window->findChild<frmDecisions *>();
        decisions->clock = [] {
            return now.addDays(10);
        };
        decisions->showMeetings(*state().meetings());
        return decisions;
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
            = decisions->filter->index(int(column(*decisions).indexOf(problem)), 0);
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
    void order_data()
    {
        QTest::addColumn<QList<Entry>>("entries");
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<QStringList>("overdue");

        const QString mark = QStringLiteral("overdue");
        QTest::newRow("soonest first across meetings")
            << QList<Entry> {{0, "Late", 7200}, {1, "Soon", 60}, {2, "Past", -60}}
            << QStringList {"Past", "Soon", "Late"} << QStringList {mark, "", ""};
        QTest::newRow("no due date last")
            << QList<Entry> {{0, "Undated", noDate}, {1, "Dated", 3600 * 24 * 365}}
            << QStringList {"Dated", "Undated"} << QStringList {"", ""};
        QTest::newRow("equal dates keep meeting and problem order")
            << QList<Entry> {{2, "C", 60}, {0, "A", 60}, {0, "B", 60}}
            << QStringList {"A", "B", "C"} << QStringList {"", "", ""};
        QTest::newRow("due this very second is not overdue")
            << QList<Entry> {{0, "Now", 0}, {0, "Second ago", -1}}
            << QStringList {"Second ago", "Now"} << QStringList {mark, ""};
    }

    // Soonest due first, undated last; overdue means due before the moment handed in.
    void order()
    {
        QFETCH(QList<Entry>, entries);
        QFETCH(QStringList, order);
        QFETCH(QStringList, overdue);
        const auto list = registerOf(entries);

        QCOMPARE(column(*list), order);
        QCOMPARE(column(*list, DecisionRegister::OverdueColumn), overdue);
        for (int row = 0; row < overdue.size(); ++row) { // more than a hue: reads in grey scale
            const QModelIndex cell = list->filter->index(row, DecisionRegister::DecisionColumn);
            QCOMPARE(cell.data(Qt::FontRole).value<QFont>().bold(), !overdue.at(row).isEmpty());
        }
    }

    // A due date that passes while the window is open is marked at the next measure.
    void marksFollowTheClock()
    {
        const auto list = registerOf({{0, "Soon", 60}});
        QCOMPARE(column(*list, DecisionRegister::OverdueColumn), QStringList {""});

        list->clock = [] {
            return now.addSecs(61);
        };
        list->measureOverdue();

        QCOMPARE(column(*list, DecisionRegister::OverdueColumn), QStringList {"overdue"});
        QCOMPARE(list->lblCount->text(), "Shown: 1 of 1 problems; open: 1, overdue: 1, done: 0");
    }

    void filter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("blank shows all") << "  " << QStringList {"Past", "Soon", "Open"};
        QTest::newRow("a responsible's name") << "r1 doe" << QStringList {"Soon"};
        QTest::newRow("a meeting's subject") << "BUDGET" << QStringList {"Past"};
        QTest::newRow("the overdue mark") << "overdue" << QStringList {"Past"};
        QTest::newRow("no decision yet") << "no decision" << QStringList {"Open"};
        QTest::newRow("a decision's first line") << "buy it" << QStringList {"Past"};
        QTest::newRow("not its later lines") << "from bob" << QStringList {};
        QTest::newRow("the due date as shown") << "2003-03-10 12:01" << QStringList {"Soon"};
    }

    // The filter narrows the list to rows showing the text anywhere, in any case. A decision shows
    // as its first line that is not blank, a blank one as "no decision yet".
    void filter()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, shown);
        const auto list = registerOf({{0, "Past", -60, "\n  \nBuy it\nfrom Bob"},
                                      {1, "Soon", 60},
                                      {2, "Open", noDate, " \n\t"}});

        QTest::keyClicks(list->txtFilter, text);

        QCOMPARE(column(*list), shown);
    }

    void followsTheRecords_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("closed"); // the register, while the change is made
        QTest::addColumn<QStringList>("problems");
        QTest::addColumn<QStringList>("decisions");
        const QStringList decided {"Decision on A #0", "Decision on C #0", "Decision on B #1"};
        const QStringList typed {"Decision on A #0!", decided[1], decided[2]};
        QTest::newRow("decision typed") << "type" << false << QStringList {"A", "C", "B"} << typed;
        QTest::newRow("due date moved a year on")
            << "step" << false << QStringList {"C", "B", "A"}
            << QStringList {decided[1], decided[2], decided[0]};
        QTest::newRow("meeting deleted")
            << "delete" << false << QStringList {"C"} << QStringList {decided[1]};
        QTest::newRow("problem added") << "add" << false << QStringList {"A", "C", "B", "New"}
                                       << QStringList {decided + QStringList {"no decision yet"}};
        QTest::newRow("meeting deleted while closed")
            << "delete" << true << QStringList {"C"} << QStringList {decided[1]};
    }

    // Edits in the main window, deleted meetings and added problems show at once; a register
    // closed meanwhile shows them when opened again.
    void followsTheRecords()
    {
        QFETCH(QString, change);
        QFETCH(bool, closed);
        QFETCH(QStringList, problems);
        QFETCH(QStringList, decisions);
        state().load({makeMeeting("First", {"A", "B"}), makeMeeting("Second", {"C"})});
        window->decisionsOpen();
        auto *list = window->findChild<frmDecisions *>();
        QCOMPARE(column(*list), QStringList({"A", "C", "B"}));
        if (closed)
            list->close();

        state().select(0, 1); // A, shown after B until the meeting is opened
        if (change == "type") {
            window->txtDecision->moveCursor(QTextCursor::End);
            QTest::keyClicks(window->txtDecision, "!");
        } else if (change == "step") {
            window->dtDue->setFocus();
            window->dtDue->setCurrentSection(QDateTimeEdit::YearSection);
            QTest::keyClick(window->dtDue, Qt::Key_Up);
        } else if (change == "delete") {
            DialogScript script({click("&Yes")});
            state().delMeeting();
        } else {
            DialogScript script(runWizard({"", "", {}, {{"New", ""}}}));
            state().addProblem();
        }
        if (closed)
            window->decisionsOpen();

        QCOMPARE(column(*list), problems);
        QCOMPARE(column(*list, DecisionRegister::DecisionColumn), decisions);
    }

    void doubleClickShowsTheProblem_data()
    {
        QTest::addColumn<bool>("opened"); // the meeting's entry opened before
        QTest::addColumn<int>("row"); // of M's problems, which the register shows below X
        QTest::addColumn<QString>("full");
        QTest::newRow("first of a meeting not opened") << false << 0 << "Same #0";
        QTest::newRow("second of equal titles") << false << 1 << "Same #1";
        QTest::newRow("last, meeting opened") << true << 2 << "Other #2";
    }

    // Ctrl+D opens the register beside the main window, which keeps taking input; a double click
    // there selects the problem's entry in the main window, opening its meeting, and shows it.
    void doubleClickShowsTheProblem()
    {
        QFETCH(bool, opened);
        QFETCH(int, row);
        QFETCH(QString, full);
        state().load({makeMeeting("Before", {"X"}), makeMeeting("M", {"Same", "Same", "Other"})});
        if (opened)
            state().select(1, 0);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keySequence(window.get(), QKeySequence(Qt::CTRL | Qt::Key_D));
        auto *decisions = window->findChild<frmDecisions *>();
        QVERIFY(decisions);
        QVERIFY(QTest::qWaitForWindowExposed(decisions));
        QVERIFY2(!decisions->isModal(), "the register blocks the main window");

        QTreeView *view = decisions->lvDecisions;
        const QPoint cell = view->visualRect(decisions->filter->index(row + 1, 0)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell);

        const QTreeWidgetItem *entry = window->lvProblems->currentItem();
        QVERIFY(entry && entry->parent());
        QCOMPARE(entry->parent()->text(0), "M");
        QCOMPARE(window->txtFull->toPlainText(), full);
        QVERIFY2(entry->parent()->isExpanded(), "the meeting's entry stays closed");
    }

    void exportDueDates_data()
    {
        QTest::addColumn<QString>("target"); // empty: no dialog is offered
        QTest::addColumn<int>("dated"); // of the three problems
        QTest::addColumn<QStringList>("seen"); // %1 standing for the target
        QTest::addColumn<bool>("written");
        const QString dialog = "file dialog Save file | Export due dates";
        const QString none = "Export due dates | No problem of the loaded meetings has a due date.";
        const QString failed = "Critical Error | Cannot save file %1";
        QTest::newRow("written") << "due.ics" << 2 << QStringList {dialog} << true;
        QTest::newRow("no due date at all") << "" << 0 << QStringList {none} << false;
        QTest::newRow("below a regular file")
            << "taken/due.ics" << 2 << QStringList {dialog, failed} << false;
    }

    // Through the save dialog into one whole file, of the problems with a due date; a failure
    // names the file and leaves nothing.
    void exportDueDates()
    {
        QFETCH(QString, target);
        QFETCH(int, dated);
        QFETCH(QStringList, seen);
        QFETCH(bool, written);
        QVERIFY(writeFile(path("taken"), "a file where a folder would be"));
        Meeting *meeting = makeMeeting("M", {"A", "B", "C"});
        for (qsizetype i = dated; i < meeting->problems->size(); ++i)
            meeting->problems->at(i)->decision->due = QDateTime();
        state().load({meeting});

        DialogScript script({chooseFile(path(target)), press(Qt::Key_Return)});
        window->decisionsExport();

        QCOMPARE(script.seen, seen.replaceInStrings("%1", path(target)));
        QCOMPARE(readFile(path(target)).count("BEGIN:VTODO"), written ? dated : 0);
        QCOMPARE(window->statusBar()->currentMessage(),
                 written ? QString("%1 due dates exported to %2").arg(dated).arg(path(target))
                         : QString());
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files),
                 QStringList(written ? QStringList {"due.ics", "taken"} : QStringList {"taken"}));
    }

    // Overdue is open and past due; the count names open, overdue and done.
    void showsWhatIsOpen()
    {
        frmDecisions *decisions = openRegister();
        QCOMPARE(column(*decisions), (QStringList {"A", "C"}));
        QCOMPARE(decisions->lblCount->text(),
                 "Shown: 2 of 3 problems; open: 2, overdue: 2, done: 1");
        decisions->chkShowDone->setChecked(true);
        QCOMPARE(column(*decisions), (QStringList {"A", "B", "C"}));
        const QModelIndex done = decisions->filter->index(1, DecisionRegister::DoneColumn);
        QCOMPARE(done.data().toString(), "2003-03-15 09:00");
        QCOMPARE(done.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QCOMPARE(column(*decisions, DecisionRegister::OverdueColumn).value(1), "");
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
        QCOMPARE(column(*decisions), QStringList {"A"});
        QVERIFY2(window->chkDone->isChecked(), "the editor shows C done");
        QVERIFY2(!state().meetings()->at(0)->saved, "the meeting needs saving again");

        decisions->chkShowDone->setChecked(true);
        mark(decisions, "C", how);
        QVERIFY2(!problem("C")->decision->isDone(), "C is open again");
        QVERIFY2(!window->chkDone->isChecked(), "the editor shows C open");
        QCOMPARE(decisions->lblCount->text(),
                 "Shown: 3 of 3 problems; open: 2, overdue: 2, done: 1");
    }

    // The editor's done box and its button for no due date act on the problem shown, and the
    // register follows: a done problem leaves it, an undated one goes last. A meeting has neither.
    void markFromTheEditor()
    {
        frmDecisions *decisions = openRegister();
        select("A");
        QVERIFY2(window->chkDone->isEnabled(), "a problem can be marked");
        QTest::mouseClick(window->chkDone, Qt::LeftButton);
        QVERIFY2(problem("A")->decision->isDone(), "A is done");
        QCOMPARE(column(*decisions), QStringList {"C"});
        QTest::mouseClick(window->chkDone, Qt::LeftButton);
        QCOMPARE(problem("A")->decision->done, QDateTime());
        QCOMPARE(column(*decisions), (QStringList {"A", "C"}));
        window->btNoDue->setFocus();
        QTest::keyClick(window->btNoDue, Qt::Key_Space);
        QCOMPARE(problem("A")->decision->due, QDateTime());
        QCOMPARE(column(*decisions), (QStringList {"C", "A"}));

        select("B");
        QVERIFY2(window->chkDone->isChecked(), "B shows done");
        state().select(0);
        QVERIFY2(!window->chkDone->isEnabled(), "a meeting has no done mark");
        QVERIFY2(!window->chkDone->isChecked(), "a meeting shows none");
        QVERIFY2(!window->btNoDue->isEnabled(), "a meeting keeps its date");
    }
};

QTEST_MAIN(tst_Register)
#include "tst_register.moc"
