// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmmain.h"

#include <QCheckBox>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>

#include "app/trace.h"
#include "mainwindow/duedateedit.h"
#include "model/personrow.h"

#include <deque>
#include <vector>

void frmMain::clearGUI()
{
    clearEditor();
    lvProblems->clear();
}

// Blanks the detail editor without taking the blanking for an edit, and closes it to input until
// a record is shown again: with no record shown, whatever were typed would have nowhere to go.
void frmMain::clearEditor()
{
    editorShowsRecord = false;
    trackDecision = false;
    trackNotes = false;
    trackDue = false;
    lvResp->clear();
    txtFull->clear();
    txtDecision->clear();
    txtNotes->clear();
    dtDue->showDue(QDateTime());
    showDoneMark(nullptr);
    lblResp->setText(tr("Responsibles:"));
    lblDue->setText(tr("Выполнить до:"));
    setEditorOpen(false);
}

void frmMain::setEditorOpen(bool open)
{
    txtDecision->setReadOnly(!open);
    txtNotes->setReadOnly(!open);
    dtDue->setEnabled(open);
    // A meeting keeps its date and has no done mark.
    btNoDue->setEnabled(open && currentProblem != -1);
    chkDone->setEnabled(open && currentProblem != -1);
    btAddResp->setEnabled(open);
    btEditResp->setEnabled(false);
    btDeleteResp->setEnabled(false);
}

void frmMain::fillGUI()
{
    trace(QStringLiteral("Fill GUI"));
    lvProblems->setSortingEnabled(false);
    for (const Meeting *meeting : std::as_const(*meetings)) {
        auto *entry = new QTreeWidgetItem(lvProblems, {meeting->subject});
        trace(QLatin1String("FG: ") + entry->text(0));
        // Each problem goes in as the first child, so the entries show the list reversed
        // until the meeting is opened (lvProblems_expanded).
        QList<QTreeWidgetItem *> children;
        children.reserve(meeting->problems->size());
        for (auto it = meeting->problems->crbegin(); it != meeting->problems->crend(); ++it)
            children.append(new QTreeWidgetItem({(*it)->shortDescription}));
        entry->addChildren(children);

        trackDecision = true;
        trackNotes = true;
    }
    emit meetingsChanged(*meetings);
}

void frmMain::showPersons(const QList<Participant *> &persons)
{
    lvResp->clear();
    lvResp->setSortingEnabled(false);
    QList<QTreeWidgetItem *> rows;
    rows.reserve(persons.size());
    for (const Participant *person : persons)
        rows.append(new QTreeWidgetItem(PersonRow::columns(*person)));
    lvResp->addTopLevelItems(rows);
}

// Fills the editor with the flags clear, so that filling is never taken for an edit.
void frmMain::showInEditor(const QString &decision, const QString &notes, const QDateTime &due)
{
    trackDecision = false;
    txtDecision->setPlainText(decision);
    trackDecision = true;
    trackNotes = false;
    txtNotes->setPlainText(notes);
    trackNotes = true;
    trackDue = false;
    dtDue->showDue(due);
    trackDue = true;
    editorShowsRecord = true;
    setEditorOpen(true);
}

void frmMain::showMeeting(QTreeWidgetItem *li)
{
    trace(QStringLiteral("depth==0"));
    currentMeeting = lvProblems->indexOfTopLevelItem(li);
    currentProblem = -1;
    const Meeting *meeting = meetings->value(currentMeeting);
    if (!meeting)
        return;
    txtFull->clear();
    lblResp->setText(tr("Participants:"));
    showPersons(*meeting->participants);
    lblDue->setText(tr("Opened date:"));
    showInEditor(meeting->decisionText, meeting->notes, meeting->date);
    showDoneMark(nullptr);
}

void frmMain::showProblem(QTreeWidgetItem *li)
{
    QTreeWidgetItem *parent = li->parent();
    trace(QStringLiteral("depth!=0"));
    trace(QLatin1String("Parent:") + parent->text(0));
    currentMeeting = lvProblems->indexOfTopLevelItem(parent);
    trace(QLatin1String("INDEX+") + QString::number(currentMeeting));
    currentProblem = parent->indexOfChild(li);
    trace(QLatin1String("Problem INDEX=") + QString::number(currentProblem));
    const Meeting *meeting = meetings->value(currentMeeting);
    const Problem *problem = meeting ? meeting->problems->value(currentProblem) : nullptr;
    if (!problem)
        return;
    txtFull->setPlainText(problem->fullDescription);
    lblResp->setText(tr("Responsibles:"));
    showPersons(*problem->responsibles);
    lblDue->setText(tr("Execute before:"));
    showInEditor(problem->decision->text, problem->notes, problem->decision->due);
    showDoneMark(problem);
}

void frmMain::lvProblems_selectionChanged(QTreeWidgetItem *li)
{
    if (!li)
        return;
    editorShowsRecord = false; // until the entry's record is found and shown
    if (li->parent())
        showProblem(li);
    else
        showMeeting(li);
}

static QStringList childTexts(const QTreeWidgetItem *entry)
{
    QStringList texts;
    texts.reserve(entry->childCount());
    for (int i = 0; i < entry->childCount(); ++i)
        texts.append(entry->child(i)->text(0));
    return texts;
}

// Each entry text, in display order, moves the first problem with that text to the end of the
// list, tracing every comparison.
static void reorderTraced(QList<Problem *> &problems, const QStringList &texts)
{
    for (int s = 0; s < texts.size(); ++s) {
        qDebug().noquote() << QLatin1String("Step ") + QString::number(s);
        const QString &t = texts.at(s);
        for (qsizetype i = 0; i < problems.size(); ++i) {
            const QString &shortDescription = problems.at(i)->shortDescription;
            qDebug().noquote() << t + QLatin1String("<>") + shortDescription;
            if (shortDescription == t) {
                qDebug().noquote() << "\tAre equals!";
                qDebug().noquote() << QString::number(s) + QLatin1Char('-') + QString::number(i);
                problems.append(problems.takeAt(i));
                break;
            }
        }
    }
}

// The same result without the n * n / 2 comparisons. The list always reads: the problems never
// moved, in their first order, then the moved ones in the order of their last move. So the
// first match for a text is its first unmoved problem, or else the one of its moved problems
// that moved longest ago.
static void reorderQuickly(QList<Problem *> &problems, const QStringList &texts)
{
    struct Candidates
    {
        std::deque<Problem *> unmoved;
        std::deque<Problem *> moved; // by last move, oldest first
    };
    QHash<QString, Candidates> byText;
    byText.reserve(problems.size());
    for (Problem *problem : std::as_const(problems))
        byText[problem->shortDescription].unmoved.push_back(problem);

    std::vector<Problem *> moves;
    moves.reserve(texts.size());
    for (const QString &text : texts) {
        const auto found = byText.find(text);
        if (found == byText.end())
            continue;
        std::deque<Problem *> &from = found->unmoved.empty() ? found->moved : found->unmoved;
        Problem *problem = from.front();
        from.pop_front();
        found->moved.push_back(problem);
        moves.push_back(problem);
    }

    // The last move of each problem decides its place at the end.
    QHash<Problem *, std::size_t> lastMove;
    lastMove.reserve(qsizetype(moves.size()));
    for (std::size_t i = 0; i < moves.size(); ++i)
        lastMove.insert(moves[i], i);
    QList<Problem *> reordered;
    reordered.reserve(problems.size());
    for (Problem *problem : std::as_const(problems)) {
        if (!lastMove.contains(problem))
            reordered.append(problem);
    }
    for (std::size_t i = 0; i < moves.size(); ++i) {
        if (lastMove.value(moves[i]) == i)
            reordered.append(moves[i]);
    }
    problems = reordered;
}

// Brings the problem list into the order of the entries. With debug output on, the literal
// search runs so that every comparison can be traced; it is quadratic in the number of problems
// on purpose. With it off, the same order comes from the linear road.
void frmMain::lvProblems_expanded(QTreeWidgetItem *li)
{
    const Meeting *meeting = meetings->value(lvProblems->indexOfTopLevelItem(li));
    if (!meeting)
        return;
    if (tracing())
        reorderTraced(*meeting->problems, childTexts(li));
    else
        reorderQuickly(*meeting->problems, childTexts(li));
}

void frmMain::lvProblems_rightButtonClicked(QTreeWidgetItem *, const QPoint &p, int col)
{
    trace(QString::number(currentMeeting) + QLatin1String("::") + QString::number(currentProblem));
    if (col < 0)
        return;
    auto *menu = new QMenu; // no parent, as a pop-up; it deletes itself once closed
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(tr("Save the meeting"), this, &frmMain::saveMeeting);
    menu->addAction(tr("Delete the meeting"), this, &frmMain::delMeeting);
    menu->addAction(tr("Add problem"), this, &frmMain::addProblem);
    menu->addSeparator();
    menu->addAction(tr("Print this meeting..."), this, &frmMain::filePrint);
    menu->addAction(tr("Send notifications..."), this, &frmMain::sendNotification);
    menu->popup(p);
}

void frmMain::lvProblems_onItem(QTreeWidgetItem *li)
{
    lvProblems->setToolTip(li ? li->text(0) : QString());
}

void frmMain::lvProblems_onViewport()
{
    lvProblems->setToolTip(QString());
}
