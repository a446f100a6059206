#include <QContextMenuEvent>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLoggingCategory>
#include <QMenu>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>

#include "support/frmmaininspector.h"
#include "support/meetingtext.h"
#include "support/records.h"

class tst_Tree : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void openingReordersToTheEntries_data();
    void openingReordersToTheEntries();
    void selectingAnEntry_data();
    void selectingAnEntry();
};

static QStringList debugTexts; // the traces of an opening; a message handler cannot capture

void tst_Tree::openingReordersToTheEntries_data()
{
    using L = QStringList;
    QTest::addColumn<L>("problems");
    QTest::addColumn<L>("entries"); // texts given to the entries after the build
    QTest::addColumn<L>("stray"); // problems added after the tree was built
    QTest::addColumn<L>("order"); // empty: only the traced and the quiet road are compared
    QTest::addColumn<QString>("traces"); // empty: not compared

    const auto row = [](const char *tag, L problems, L stray, L order, const char *traces = "") {
        QTest::newRow(tag) << problems << L() << stray << order << QString(traces);
    };
    row("Budget, Hiring, Office", {"Budget", "Hiring", "Office"}, {},
        {"Office #2", "Hiring #1", "Budget #0"});
    row("no problems", {}, {}, {});
    row("equal texts consume equal problems", {"A", "B", "A"}, {}, {"A #0", "B #1", "A #2"});
    row("unmatched problems go in front", {"A", "B"}, {"C"}, {"C #0", "B #1", "A #0"});
    row("case matters", {"a", "A"}, {"b"}, {"b #0", "A #1", "a #0"});
    row("the literal road's traces", {"A", "B"}, {}, {"B #1", "A #0"},
        "Step 0,B<>A,B<>B,\tAre equals!,0-1,Step 1,A<>A,\tAre equals!,1-0");
    // Few letters, so that duplicates, renamed entries and strays abound.
    const L letters {"A", "B", "C", "D"};
    for (quint32 seed = 1; seed <= 40; ++seed) {
        QRandomGenerator random(seed);
        L problems, entries, stray;
        for (int i = random.bounded(12); i > 0; --i)
            problems << letters.at(random.bounded(4));
        for (int i = int(problems.size()) - 1; i >= 0; --i)
            entries << (random.bounded(4) == 0 ? letters.at(random.bounded(4)) : problems.at(i));
        for (int i = random.bounded(3); i > 0; --i)
            stray << letters.at(random.bounded(4));
        QTest::addRow("seed %u", seed) << problems << entries << stray << L() << "";
    }
}

// The entries show the list reversed; opening the meeting reorders the list to them, once. The
// traced road (one traced comparison at a time) and the quiet one must end alike.
void tst_Tree::openingReordersToTheEntries()
{
    QFETCH(QStringList, problems);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, stray);
    QFETCH(QStringList, order);
    QFETCH(QString, traces);

    frmMain window;
    frmMainInspector state(window);
    Meeting *meeting = state.meetings()->emplace_back(makeMeeting("M", problems));
    QTest::ignoreMessage(QtDebugMsg, "Fill GUI");
    QTest::ignoreMessage(QtDebugMsg, "FG: M");
    state.rebuildTree();
    QTreeWidget *tree = window.lvProblems;
    QTreeWidgetItem *entry = tree->topLevelItem(0);
    QStringList shown;
    for (int i = 0; i < entry->childCount(); ++i)
        shown.prepend(entry->child(i)->text(0));
    QCOMPARE(shown, problems);
    QVERIFY(tree->selectedItems().isEmpty() && !entry->isExpanded());
    for (int i = 0; i < entries.size(); ++i)
        entry->child(i)->setText(0, entries.at(i));
    for (const QString &text : stray)
        meeting->problems->append(makeMeeting("N", {text})->problems->at(0));
    const QList<Problem *> before = *meeting->problems;

    const auto open = [&] {
        tree->collapseItem(entry);
        debugTexts.clear();
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext &, const QString &text) { debugTexts << text; });
        tree->expandItem(entry);
        qInstallMessageHandler(previous);
        return *meeting->problems;
    };
    QLoggingCategory::defaultCategory()->setEnabled(QtDebugMsg, false);
    const QList<Problem *> quiet = open();
    QLoggingCategory::defaultCategory()->setEnabled(QtDebugMsg, true);
    *meeting->problems = before;
    QCOMPARE(open(), quiet);
    QCOMPARE(traces.isEmpty() ? traces : debugTexts.join(','), traces);
    QStringList ordered;
    for (const Problem *problem : quiet)
        ordered << problem->fullDescription;
    QCOMPARE(ordered.size(), before.size());
    QCOMPARE(order.isEmpty() ? order : ordered, order);
    QCOMPARE(entries.isEmpty() ? open() : quiet, quiet); // opening again keeps the order
    QVERIFY(!isMarked(meeting));
    for (int i = 0; entries.isEmpty() && stray.isEmpty() && i < entry->childCount(); ++i) {
        tree->setCurrentItem(entry->child(i)); // entry i is problem i
        QCOMPARE(window.txtFull->toPlainText(), ordered.at(i));
    }
}

void tst_Tree::selectingAnEntry_data()
{
    QTest::addColumn<bool>("problem");
    QTest::addColumn<QString>("traces"); // of the selection, then of the context menu
    QTest::addColumn<QString>("shown"); // indices, row count, labels, texts, date, row
    QTest::addRow("meeting entry")
        << false << "depth==0,1::-1"
        << "1|-1|1|Participants:|Opened date:||Second decided|Second notes|2003-03-06T14:30:05|"
           "Smith, Ann|Ann works|100|ann@example.org";
    QTest::addRow("problem entry")
        << true << "depth!=0,Parent:Second,INDEX+1,Problem INDEX=0,1::0"
        << "1|0|1|Responsibles:|Execute before:|Hiring #1|Decision on Hiring #1|Notes on Hiring #1|"
           "2003-03-14T12:00:01|Doe, R1|R1 works|100|r1@example.org";
}

// Filling the editor never marks the meeting: each widget is filled with its flag clear. After a
// rebuild the editor is blank but the indices name the old record: typing changes nothing then.
void tst_Tree::selectingAnEntry()
{
    QFETCH(bool, problem);
    QFETCH(QString, traces);
    QFETCH(QString, shown);

    frmMain window;
    frmMainInspector state(window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    state.meetings()->append(makeMeeting("First", {"Office"}));
    Meeting *meeting = state.meetings()->emplace_back(makeMeeting("Second", {"Budget", "Hiring"}));
    state.rebuildTree();
    QTreeWidget *tree = window.lvProblems;
    QWidget *viewport = tree->viewport();
    const QPoint empty(5, viewport->height() - 5);
    const auto menuAt = [&](const QPoint &pos) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, viewport->mapToGlobal(pos));
        QApplication::sendEvent(viewport, &event);
        return qobject_cast<QMenu *>(QApplication::activePopupWidget());
    };
    const auto select = [&] {
        tree->expandItem(tree->topLevelItem(1));
        tree->setCurrentItem(problem ? tree->topLevelItem(1)->child(0) : tree->topLevelItem(1));
    };
    QTest::ignoreMessage(QtDebugMsg, "-1::-1");
    QVERIFY(!menuAt(empty));
    tree->setCurrentItem(tree->topLevelItem(0)->child(0));
    for (const QString &trace : traces.split(','))
        QTest::ignoreMessage(QtDebugMsg, qPrintable(trace));
    select();

    QStringList seen;
    seen << QString::number(state.currentMeeting()) << QString::number(state.currentProblem())
         << QString::number(window.lvResp->topLevelItemCount()) << window.lblResp->text()
         << window.lblDue->text() << window.txtFull->toPlainText()
         << window.txtDecision->toPlainText() << window.txtNotes->toPlainText()
         << window.dtDue->dateTime().toString(Qt::ISODate);
    for (int column = 0; column < 4; ++column)
        seen << window.lvResp->topLevelItem(0)->text(column);
    QCOMPARE(seen.join('|'), shown);
    QVERIFY(window.btAddResp->isEnabled() && !window.btEditResp->isEnabled());
    QVERIFY(!window.btDeleteResp->isEnabled());
    QVERIFY(!isMarked(state.meetings()->at(0)) && !isMarked(meeting));

    const QPoint onTarget = tree->visualItemRect(tree->currentItem()).center();
    QMenu *menu = menuAt(onTarget);
    QVERIFY(menu && !menu->parent());
    QStringList entries; // with a shortcut after the text, and a disabled one marked
    for (const QAction *action : menu->actions())
        entries << (action->isSeparator() ? "|" : action->text()) + action->shortcut().toString()
                + (action->isEnabled() ? "" : " (disabled)");
    menu->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(entries.join(','),
             "Save the meeting,Delete the meeting,Add problem,|,"
             "Print this meeting...,Send notifications...");
    QTest::mouseMove(viewport, onTarget);
    QTRY_COMPARE(tree->toolTip(), tree->currentItem()->text(0));
    QTest::mouseMove(viewport, empty);
    QTRY_VERIFY(tree->toolTip().isEmpty());

    const QString before = meetingText(*meeting);
    state.rebuildTree();
    QTest::keyClicks(window.txtDecision, "typed");
    QTest::keyClicks(window.txtNotes, "typed");
    QCOMPARE(meetingText(*meeting) + (isMarked(meeting) ? " marked" : ""), before);
    select();
    // A click on empty space clears the selection, not the editor: typing still reaches the
    // record shown.
    QTest::mouseClick(viewport, Qt::LeftButton, {}, empty);
    QVERIFY(tree->selectedItems().isEmpty());
    window.txtDecision->moveCursor(QTextCursor::End);
    QTest::keyClicks(window.txtDecision, "!");
    QCOMPARE(problem ? meeting->problems->at(0)->decision->text : meeting->decisionText,
             QString(problem ? "Decision on Budget #0!" : "Second decided!"));
    QVERIFY(isMarked(meeting));
}

QTEST_MAIN(tst_Tree)
#include "tst_tree.moc"
