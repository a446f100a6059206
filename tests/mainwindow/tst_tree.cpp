// SPDX-License-Identifier: GPL-3.0-or-later
#include <QContextMenuEvent>
#include <QLoggingCategory>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTextEdit>
#include <QTreeWidget>

#include "support/records.h"
#include "support/windowtest.h"

class tst_Tree : public WindowTest
{
    Q_OBJECT

private slots:
    void openingReordersToTheEntries_data()
    {
        using L = QStringList;
        QTest::addColumn<L>("problems");
        QTest::addColumn<L>("entries"); // given to the entries after the build; none: as built
        QTest::addColumn<L>("stray"); // problems added after the tree was built
        QTest::addColumn<L>("order"); // empty: only the traced and the quiet road are compared

        const auto row = [](const char *tag, L problems, L stray, L order) {
            QTest::newRow(tag) << problems << L() << stray << order;
        };
        row("Budget, Hiring, Office", {"Budget", "Hiring", "Office"}, {},
            {"Office #2", "Hiring #1", "Budget #0"});
        row("no problems", {}, {}, {});
        row("equal texts consume equal problems", {"A", "B", "A"}, {}, {"A #0", "B #1", "A #2"});
        row("unmatched problems go in front", {"A", "B"}, {"C"}, {"C #0", "B #1", "A #0"});
        row("case matters", {"a", "A"}, {"b"}, {"b #0", "A #1", "a #0"});
        // Few letters, so that duplicates, renamed entries and strays abound.
        const L letters {"A", "B", "C", "D"};
        for (quint32 seed = 1; seed <= 40; ++seed) {
            QRandomGenerator random(seed);
            L problems, entries, stray;
            for (int i = random.bounded(12); i > 0; --i)
                problems << letters.at(random.bounded(4));
            for (int i = int(problems.size()) - 1; i >= 0; --i)
                entries << (random.bounded(4) == 0 ? letters.at(random.bounded(4))
                                                   : problems.at(i));
            for (int i = random.bounded(3); i > 0; --i)
                stray << letters.at(random.bounded(4));
            QTest::addRow("seed %u", seed) << problems << entries << stray << L();
        }
    }

    // The entries show the list reversed; opening the meeting reorders the list to them, once. The
    // traced road (one traced comparison at a time) and the quiet one must end alike.
    void openingReordersToTheEntries()
    {
        QFETCH(QStringList, problems);
        QFETCH(QStringList, entries);
        QFETCH(QStringList, stray);
        QFETCH(QStringList, order);

        Meeting *meeting = state().meetings()->emplace_back(makeMeeting("M", problems));
        state().rebuildTree();
        QTreeWidget *tree = window->lvProblems;
        QTreeWidgetItem *entry = tree->topLevelItem(0);
        for (int i = 0; i < entries.size(); ++i)
            entry->child(i)->setText(0, entries.at(i));
        for (const QString &text : stray)
            meeting->problems->append(recordOf(problemValue(text, 0), meeting->records));
        const QList<Problem *> before = *meeting->problems;

        const auto open = [&](bool traced) {
            QLoggingCategory::defaultCategory()->setEnabled(QtDebugMsg, traced);
            const auto restore = qScopeGuard(
                [] { QLoggingCategory::defaultCategory()->setEnabled(QtDebugMsg, true); });
            tree->collapseItem(entry);
            const QtMessageHandler previous = qInstallMessageHandler(
                [](QtMsgType, const QMessageLogContext &, const QString &) {}); // many traces
            tree->expandItem(entry);
            qInstallMessageHandler(previous);
            return *meeting->problems;
        };
        const QList<Problem *> quiet = open(false);
        *meeting->problems = before;
        QCOMPARE(open(true), quiet);
        QStringList full; // "#i": the problem's place when made
        for (const Problem *problem : quiet)
            full << problem->fullDescription;
        if (!order.isEmpty())
            QCOMPARE(full, order);
        if (entries.isEmpty())
            QCOMPARE(open(false), quiet); // opening again keeps the order
        QVERIFY(!isMarked(meeting));
    }

    void selectingAnEntry_data()
    {
        QTest::addColumn<bool>("problem");
        QTest::addColumn<QString>("full");
        QTest::addColumn<QString>("decision");
        QTest::newRow("meeting entry") << false << QString() << "Second decided";
        QTest::newRow("problem entry") << true << QString("Hiring #1") << "Decision on Hiring #1";
    }

    // The entry's record is shown (the editor test ties each field to its widget); filling the
    // editor never marks a meeting.
    void selectingAnEntry()
    {
        QFETCH(bool, problem);
        QFETCH(QString, full);
        QFETCH(QString, decision);
        state().load(
            {makeMeeting("First", {"Office"}), makeMeeting("Second", {"Budget", "Hiring"})});
        state().select(0, 0);
        state().select(1, problem ? 0 : -1); // the second meeting, or its first entry (Hiring)

        QCOMPARE(state().currentMeeting(), 1);
        QCOMPARE(state().currentProblem(), problem ? 0 : -1);
        QCOMPARE(window->txtFull->toPlainText(), full);
        QCOMPARE(window->txtDecision->toPlainText(), decision);
        QVERIFY(!window->btEditResp->isEnabled());
        QVERIFY(!window->btDeleteResp->isEnabled());
        QCOMPARE(state().each(&Meeting::modified), QList<bool>({false, false}));
    }

    void contextMenuOnlyOnAnEntry_data()
    {
        QTest::addColumn<bool>("onEntry");
        QTest::newRow("on a meeting entry") << true;
        QTest::newRow("below the entries") << false;
    }

    // The menu's commands act on an entry: below the entries none is offered.
    void contextMenuOnlyOnAnEntry()
    {
        QFETCH(bool, onEntry);
        state().load({makeMeeting("M", {})});
        QWidget *viewport = window->lvProblems->viewport();
        const QPoint pos = onEntry
            ? window->lvProblems->visualItemRect(window->lvProblems->topLevelItem(0)).center()
            : QPoint(5, viewport->height() - 5);
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, viewport->mapToGlobal(pos));
        QApplication::sendEvent(viewport, &event);
        const std::unique_ptr<QWidget> menu(QApplication::activePopupWidget());
        QCOMPARE(menu != nullptr, onEntry);
    }
};

QTEST_MAIN(tst_Tree)
#include "tst_tree.moc"
