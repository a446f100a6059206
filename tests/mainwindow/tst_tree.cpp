#include <QApplication>
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

#include "app/frmmain.h"
#include "model/personrow.h"
#include "model/recordstore.h"
#include "support/frmmaininspector.h"

class tst_Tree : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void entriesShowProblemsReversed();
    void openingReordersToTheEntries_data();
    void openingReordersToTheEntries();
    void reopeningDoesNotReorderAgain();
    void duplicatesMapOneEntryToOneProblem();
    void reconciliationTraces();
    void quietReconciliationMatchesTracedOne_data();
    void quietReconciliationMatchesTracedOne();
    void meetingMode();
    void problemMode();
    void selectionNeverMarksAMeeting();
    void editsAfterRebuildNeverOverwrite_data();
    void editsAfterRebuildNeverOverwrite();
    void contextMenu_data();
    void contextMenu();
    void toolTips();

private:
    static Meeting *meeting(const QString &subject, const QStringList &problems);
};

void tst_Tree::initTestCase()
{
    qputenv("TZ", "UTC");
}

void tst_Tree::cleanup()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

Meeting *tst_Tree::meeting(const QString &subject, const QStringList &problems)
{
    auto *meeting = RecordStore::make<Meeting>();
    meeting->subject = subject;
    meeting->date = QDateTime(QDate(2003, 3, 6), QTime(14, 30, 5));
    meeting->decisionText = subject + QLatin1String(" decided");
    meeting->notes = subject + QLatin1String(" notes");
    auto *jane = RecordStore::make<Participant>();
    *jane = Participant();
    jane->firstName = QStringLiteral("Jane");
    jane->secondName = QStringLiteral("Doe");
    jane->occupation = QStringLiteral("Engineer");
    jane->phone = QStringLiteral("1234");
    jane->email = QStringLiteral("jane@example.org");
    meeting->participants->append(jane);
    int n = 0;
    for (const QString &text : problems) {
        auto *problem
            = RecordStore::make<Problem>(text, text + QLatin1String(" #") + QString::number(n++));
        problem->decision->text = QLatin1String("Decision on ") + problem->fullDescription;
        problem->decision->due = QDateTime(QDate(2003, 3, 14), QTime(12, 0, n));
        problem->notes = QLatin1String("Notes on ") + problem->fullDescription;
        auto *responsible = RecordStore::make<Participant>();
        responsible->firstName = QLatin1String("R") + QString::number(n);
        responsible->secondName = QStringLiteral("Smith");
        problem->responsibles->append(responsible);
        meeting->problems->append(problem);
    }
    meeting->modified = false;
    meeting->saved = true;
    return meeting;
}

static QStringList childTexts(const QTreeWidgetItem *entry)
{
    QStringList texts;
    for (int i = 0; i < entry->childCount(); ++i)
        texts << entry->child(i)->text(0);
    return texts;
}

static QStringList problemTexts(const Meeting *meeting)
{
    QStringList texts;
    for (const Problem *problem : std::as_const(*meeting->problems))
        texts << problem->fullDescription;
    return texts;
}

void tst_Tree::entriesShowProblemsReversed()
{
    frmMain window;
    frmMainInspector state(window);
    state.meetings()->append(meeting("First", {"Budget", "Hiring", "Office"}));
    state.meetings()->append(meeting("Second", {}));
    QTest::ignoreMessage(QtDebugMsg, "Fill GUI");
    QTest::ignoreMessage(QtDebugMsg, "FG: First");
    QTest::ignoreMessage(QtDebugMsg, "FG: Second");
    state.rebuildTree();

    QCOMPARE(window.lvProblems->topLevelItemCount(), 2);
    QCOMPARE(window.lvProblems->topLevelItem(0)->text(0), QStringLiteral("First"));
    QCOMPARE(window.lvProblems->topLevelItem(1)->text(0), QStringLiteral("Second"));
    QCOMPARE(childTexts(window.lvProblems->topLevelItem(0)),
             QStringList({"Office", "Hiring", "Budget"}));
    QVERIFY(!window.lvProblems->topLevelItem(0)->isExpanded());
    QVERIFY(window.lvProblems->selectedItems().isEmpty());
    QVERIFY(!window.txtDecision->isReadOnly());
    QVERIFY(!window.txtNotes->isReadOnly());
    QVERIFY(state.trackDecision() && state.trackNotes() && !state.trackDue());
}

void tst_Tree::openingReordersToTheEntries_data()
{
    QTest::addColumn<QStringList>("problems");
    QTest::addColumn<QStringList>("addedAfterFill");
    QTest::addColumn<QStringList>("order");

    QTest::addRow("Budget, Hiring, Office")
        << QStringList {"Budget", "Hiring", "Office"} << QStringList()
        << QStringList {"Office #2", "Hiring #1", "Budget #0"};
    QTest::addRow("one problem") << QStringList {"Only"} << QStringList()
                                 << QStringList {"Only #0"};
    QTest::addRow("no problems") << QStringList() << QStringList() << QStringList();
    QTest::addRow("equal texts consume equal problems in turn")
        << QStringList {"A", "B", "A"} << QStringList() << QStringList {"A #0", "B #1", "A #2"};
    QTest::addRow("all equal") << QStringList {"X", "X", "X"} << QStringList()
                               << QStringList {"X #0", "X #1", "X #2"};
    QTest::addRow("unmatched problems go in front")
        << QStringList {"A", "B"} << QStringList {"C"} << QStringList {"C #0", "B #1", "A #0"};
    QTest::addRow("case matters") << QStringList {"a", "A"} << QStringList {"b"}
                                  << QStringList {"b #0", "A #1", "a #0"};
}

void tst_Tree::openingReordersToTheEntries()
{
    QFETCH(QStringList, problems);
    QFETCH(QStringList, addedAfterFill);
    QFETCH(QStringList, order);

    frmMain window;
    frmMainInspector state(window);
    Meeting *shown = meeting("M", problems);
    state.meetings()->append(shown);
    state.rebuildTree();
    // A problem that has no entry, as when the list changed after the tree was built.
    for (const QString &text : addedAfterFill)
        shown->problems->append(meeting("N", {text})->problems->at(0));
    QTreeWidgetItem *entry = window.lvProblems->topLevelItem(0);
    window.lvProblems->expandItem(entry);

    QCOMPARE(problemTexts(shown), order);
    QVERIFY(!shown->modified && shown->saved);
    // Past the unmatched ones, entry i stands for problem i.
    const int unmatched = int(addedAfterFill.size());
    for (int i = 0; i < entry->childCount(); ++i)
        QCOMPARE(shown->problems->at(unmatched + i)->shortDescription, entry->child(i)->text(0));
}

void tst_Tree::reopeningDoesNotReorderAgain()
{
    frmMain window;
    frmMainInspector state(window);
    Meeting *shown = meeting("M", {"Budget", "Hiring", "Office", "Budget"});
    state.meetings()->append(shown);
    state.rebuildTree();
    QTreeWidgetItem *entry = window.lvProblems->topLevelItem(0);
    window.lvProblems->expandItem(entry);
    const QStringList opened = problemTexts(shown);
    window.lvProblems->collapseItem(entry);
    window.lvProblems->expandItem(entry);
    QCOMPARE(problemTexts(shown), opened);

    // A rebuild shows the list reversed again, and opening turns it once more.
    state.rebuildTree();
    window.lvProblems->expandItem(window.lvProblems->topLevelItem(0));
    QCOMPARE(problemTexts(shown),
             QStringList({"Budget #0", "Hiring #1", "Office #2", "Budget #3"}));
}

void tst_Tree::duplicatesMapOneEntryToOneProblem()
{
    frmMain window;
    frmMainInspector state(window);
    Meeting *shown = meeting("M", {"Same", "Other", "Same", "Same"});
    state.meetings()->append(shown);
    state.rebuildTree();
    QTreeWidgetItem *entry = window.lvProblems->topLevelItem(0);
    window.lvProblems->expandItem(entry);

    QSet<QString> described;
    for (int i = 0; i < entry->childCount(); ++i) {
        window.lvProblems->setCurrentItem(entry->child(i));
        QCOMPARE(state.currentProblem(), i);
        QCOMPARE(entry->child(i)->text(0), shown->problems->at(i)->shortDescription);
        described.insert(window.txtFull->toPlainText());
    }
    QCOMPARE(described.size(), 4);
}

void tst_Tree::reconciliationTraces()
{
    frmMain window;
    frmMainInspector state(window);
    state.meetings()->append(meeting("M", {"A", "B"}));
    state.rebuildTree();
    // Entries B, A over the list A, B.
    for (const char *text :
         {"Step 0", "B<>A", "B<>B", "\tAre equals!", "0-1", "Step 1", "A<>A", "1-0"})
        QTest::ignoreMessage(QtDebugMsg, text);
    QTest::ignoreMessage(QtDebugMsg, "\tAre equals!");
    window.lvProblems->expandItem(window.lvProblems->topLevelItem(0));
}

void tst_Tree::quietReconciliationMatchesTracedOne_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 40; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

static QtMessageHandler previousHandler = nullptr;

static void dropDebug(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtDebugMsg)
        previousHandler(type, context, text);
}

// Tracing takes the literal road, one comparison at a time; without it the list is reordered
// by another road, which must end in the same order, duplicates and strays included.
void tst_Tree::quietReconciliationMatchesTracedOne()
{
    QFETCH(quint32, seed);

    QRandomGenerator random(seed);
    const QStringList alphabet {"A", "B", "C", "D"};
    QStringList texts;
    for (int i = int(random.bounded(12)); i > 0; --i)
        texts << alphabet.at(int(random.bounded(alphabet.size())));
    frmMain window;
    frmMainInspector state(window);
    Meeting *shown = meeting("M", texts);
    state.meetings()->append(shown);
    state.rebuildTree();
    // Entries and problems that no longer agree, as after changes behind the tree's back.
    QTreeWidgetItem *entry = window.lvProblems->topLevelItem(0);
    for (int i = 0; i < entry->childCount(); ++i) {
        if (random.bounded(4) == 0)
            entry->child(i)->setText(0, alphabet.at(int(random.bounded(alphabet.size()))));
    }
    for (int i = int(random.bounded(3)); i > 0; --i)
        shown->problems->append(
            meeting("N", {alphabet.at(int(random.bounded(4)))})->problems->at(0));
    const QList<Problem *> before = *shown->problems;

    QLoggingCategory *category = QLoggingCategory::defaultCategory();
    category->setEnabled(QtDebugMsg, false);
    window.lvProblems->expandItem(entry);
    const QList<Problem *> quiet = *shown->problems;

    *shown->problems = before;
    window.lvProblems->collapseItem(entry);
    category->setEnabled(QtDebugMsg, true);
    previousHandler = qInstallMessageHandler(dropDebug);
    window.lvProblems->expandItem(entry);
    qInstallMessageHandler(previousHandler);

    QCOMPARE(quiet, *shown->problems);
}

static QStringList rows(const QTreeWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QStringList columns;
        for (int column = 0; column < 4; ++column)
            columns << list->topLevelItem(i)->text(column);
        texts << columns.join(QLatin1Char('|'));
    }
    return texts;
}

void tst_Tree::meetingMode()
{
    frmMain window;
    frmMainInspector state(window);
    state.meetings()->append(meeting("First", {"Budget"}));
    state.meetings()->append(meeting("Second", {"Hiring"}));
    state.rebuildTree();
    window.lvProblems->setCurrentItem(window.lvProblems->topLevelItem(0)->child(0));
    QTest::ignoreMessage(QtDebugMsg, "depth==0");
    window.lvProblems->setCurrentItem(window.lvProblems->topLevelItem(1));

    QCOMPARE(state.currentMeeting(), 1);
    QCOMPARE(state.currentProblem(), -1);
    QVERIFY(window.txtFull->toPlainText().isEmpty());
    QCOMPARE(window.lblResp->text(), QStringLiteral("Participants:"));
    QCOMPARE(window.lblDue->text(), QStringLiteral("Opened date:"));
    QCOMPARE(rows(window.lvResp), QStringList({"Doe, Jane|Engineer|1234|jane@example.org"}));
    QCOMPARE(window.txtDecision->toPlainText(), QStringLiteral("Second decided"));
    QCOMPARE(window.txtNotes->toPlainText(), QStringLiteral("Second notes"));
    QCOMPARE(window.dtDue->dateTime(), QDateTime(QDate(2003, 3, 6), QTime(14, 30, 5)));
    QVERIFY(window.btAddResp->isEnabled());
    QVERIFY(!window.btEditResp->isEnabled());
    QVERIFY(!window.btDeleteResp->isEnabled());
    QVERIFY(state.trackDecision() && state.trackNotes() && state.trackDue());
}

void tst_Tree::problemMode()
{
    frmMain window;
    frmMainInspector state(window);
    state.meetings()->append(meeting("First", {}));
    state.meetings()->append(meeting("Second", {"Budget", "Hiring"}));
    state.rebuildTree();
    QTreeWidgetItem *entry = window.lvProblems->topLevelItem(1);
    window.lvProblems->expandItem(entry);
    for (const char *text : {"depth!=0", "Parent:Second", "INDEX+1", "Problem INDEX=0"})
        QTest::ignoreMessage(QtDebugMsg, text);
    window.lvProblems->setCurrentItem(entry->child(0));

    QCOMPARE(state.currentMeeting(), 1);
    QCOMPARE(state.currentProblem(), 0);
    QCOMPARE(window.txtFull->toPlainText(), QStringLiteral("Hiring #1"));
    QCOMPARE(window.lblResp->text(), QStringLiteral("Responsibles:"));
    QCOMPARE(window.lblDue->text(), QStringLiteral("Execute before:"));
    QCOMPARE(rows(window.lvResp), QStringList({"Smith, R2|||"}));
    QCOMPARE(window.txtDecision->toPlainText(), QStringLiteral("Decision on Hiring #1"));
    QCOMPARE(window.txtNotes->toPlainText(), QStringLiteral("Notes on Hiring #1"));
    QCOMPARE(window.dtDue->dateTime(), QDateTime(QDate(2003, 3, 14), QTime(12, 0, 2)));
    QVERIFY(window.btAddResp->isEnabled());
    QVERIFY(!window.btEditResp->isEnabled());
}

void tst_Tree::selectionNeverMarksAMeeting()
{
    frmMain window;
    frmMainInspector state(window);
    Meeting *shown = meeting("M", {"Budget", "Hiring"});
    state.meetings()->append(shown);
    state.rebuildTree();
    QTreeWidgetItem *entry = window.lvProblems->topLevelItem(0);
    window.lvProblems->setCurrentItem(entry);
    window.lvProblems->expandItem(entry);
    window.lvProblems->setCurrentItem(entry->child(1));
    window.lvProblems->setCurrentItem(entry->child(0));
    window.lvProblems->setCurrentItem(entry);

    QVERIFY(!shown->modified);
    QVERIFY(shown->saved);
    QCOMPARE(shown->decisionText, QStringLiteral("M decided"));
}

void tst_Tree::editsAfterRebuildNeverOverwrite_data()
{
    QTest::addColumn<bool>("problemSelected");
    QTest::addRow("problem was shown") << true;
    QTest::addRow("meeting was shown") << false;
}

// After a rebuild the editor is blank while the indices still name the record shown before:
// typing then changes nothing until an entry is selected again.
void tst_Tree::editsAfterRebuildNeverOverwrite()
{
    QFETCH(bool, problemSelected);

    frmMain window;
    frmMainInspector state(window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    Meeting *shown = meeting("M", {"Budget"});
    state.meetings()->append(shown);
    state.rebuildTree();
    QTreeWidgetItem *entry = window.lvProblems->topLevelItem(0);
    window.lvProblems->expandItem(entry);
    window.lvProblems->setCurrentItem(problemSelected ? entry->child(0) : entry);
    state.rebuildTree();
    QCOMPARE(state.currentMeeting(), 0);

    QTest::keyClicks(window.txtDecision, QStringLiteral("typed"));
    QTest::keyClicks(window.txtNotes, QStringLiteral("typed"));
    QCOMPARE(shown->decisionText, QStringLiteral("M decided"));
    QCOMPARE(shown->notes, QStringLiteral("M notes"));
    QCOMPARE(shown->problems->at(0)->decision->text, QStringLiteral("Decision on Budget #0"));
    QCOMPARE(shown->problems->at(0)->notes, QStringLiteral("Notes on Budget #0"));
    QVERIFY(shown->saved && !shown->modified);

    // Shown again, the record takes the edit.
    entry = window.lvProblems->topLevelItem(0);
    window.lvProblems->setCurrentItem(problemSelected ? entry->child(0) : entry);
    window.txtDecision->moveCursor(QTextCursor::End);
    QTest::keyClicks(window.txtDecision, QStringLiteral("!"));
    if (problemSelected)
        QCOMPARE(shown->problems->at(0)->decision->text, QStringLiteral("Decision on Budget #0!"));
    else
        QCOMPARE(shown->decisionText, QStringLiteral("M decided!"));
    QVERIFY(!shown->saved && shown->modified);
}

void tst_Tree::contextMenu_data()
{
    QTest::addColumn<int>("child"); // -2 empty space, -1 the meeting entry, else a problem
    QTest::addRow("meeting entry") << -1;
    QTest::addRow("problem entry") << 0;
    QTest::addRow("empty space") << -2;
}

void tst_Tree::contextMenu()
{
    QFETCH(int, child);

    frmMain window;
    frmMainInspector state(window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    state.meetings()->append(meeting("M", {"Budget"}));
    state.rebuildTree();
    QTreeWidgetItem *entry = window.lvProblems->topLevelItem(0);
    window.lvProblems->expandItem(entry);
    QTreeWidgetItem *target = child == -1 ? entry : child >= 0 ? entry->child(child) : nullptr;
    const QPoint pos = target ? window.lvProblems->visualItemRect(target).center()
                              : QPoint(5, window.lvProblems->viewport()->height() - 5);
    if (target)
        window.lvProblems->setCurrentItem(target); // a right press selects as a left one does
    QTest::ignoreMessage(QtDebugMsg, target ? (child >= 0 ? "0::0" : "0::-1") : "-1::-1");
    QWidget *viewport = window.lvProblems->viewport();
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, viewport->mapToGlobal(pos));
    QApplication::sendEvent(viewport, &event);

    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    if (!target) {
        QVERIFY(!menu);
        return;
    }
    QVERIFY(menu);
    QVERIFY(!menu->parent());
    QStringList entries;
    for (const QAction *action : menu->actions())
        entries << (action->isSeparator() ? QStringLiteral("|") : action->text());
    QCOMPARE(entries,
             QStringList({"Save the meeting", "Delete the meeting", "Add problem", "|",
                          "Print this meeting...", "Send notifications..."}));
    for (const QAction *action : menu->actions()) {
        QVERIFY(action->isEnabled());
        QVERIFY(action->shortcut().isEmpty());
    }
    menu->close();
}

void tst_Tree::toolTips()
{
    frmMain window;
    frmMainInspector state(window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    state.meetings()->append(meeting("Budget review", {}));
    state.rebuildTree();
    QVERIFY(window.lvProblems->hasMouseTracking());

    const QPoint onEntry
        = window.lvProblems->visualItemRect(window.lvProblems->topLevelItem(0)).center();
    QTest::mouseMove(window.lvProblems->viewport(), onEntry);
    QTRY_COMPARE(window.lvProblems->toolTip(), QStringLiteral("Budget review"));
    QTest::mouseMove(window.lvProblems->viewport(),
                     QPoint(5, window.lvProblems->viewport()->height() - 5));
    QTRY_VERIFY(window.lvProblems->toolTip().isEmpty());
}

QTEST_MAIN(tst_Tree)
#include "tst_tree.moc"
