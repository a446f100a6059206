// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/frmfirst.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTreeWidget>

#include "app/trace.h"
#include "wizard/frmdescription.h"
#include "wizard/wizardpage.h"

// The problem commands have nothing to act on in an empty list, and say so in a trace.
bool frmFirst::problemsEmpty() const
{
    if (!problems->isEmpty())
        return false;
    trace(QStringLiteral("No problems list. It is empty"));
    return true;
}

// The position of the selected row's record, -1 with no row selected.
int frmFirst::selectedProblemIndex()
{
    selectedProblem = lvProblems->selectedItems().value(0);
    return selectedProblem ? findProblem(selectedProblem) : -1;
}

void frmFirst::applyFinishRule()
{
    page2->recheck();
}

int frmFirst::findProblem(const QTreeWidgetItem *row) const
{
    const QString text = row->text(0);
    for (int i = 0; i < problems->size(); ++i) {
        if (problems->at(i)->shortDescription == text)
            return i;
    }
    return -1;
}

// With no current row left, the list selects no neighbour in place of the deleted row, so Edit
// and Delete wait for the user's next choice.
void frmFirst::removeSelectedProblem(int index)
{
    QTreeWidgetItem *row = selectedProblem;
    problems->removeAt(index); // unlinked only: the record stays valid
    lvProblems->setCurrentItem(nullptr);
    delete row;
}

// A new problem has no decision yet; its due date is the moment it was added.
void frmFirst::btAddProblem_clicked()
{
    frmDescription dialog(this);
    if (dialog.exec() == QDialog::Accepted) {
        const QString shortText = dialog.txtShort->text();
        const QString fullText = dialog.txtFull->toPlainText();
        if (!shortText.isEmpty() || !fullText.isEmpty()) {
            problems->append(store.make<Problem>(store, shortText, fullText));
            new QTreeWidgetItem(lvProblems, {shortText});
        }
    }
    applyFinishRule();
}

void frmFirst::lvProblems_selectionChanged()
{
    selectedProblem = lvProblems->selectedItems().value(0);
    btEditProblem->setEnabled(selectedProblem != nullptr);
    btDeleteProblem->setEnabled(selectedProblem != nullptr);
}

void frmFirst::lvProblems_selectionChanged(QTreeWidgetItem *)
{ }

// Emptying both descriptions takes the problem out, as Delete does.
void frmFirst::btEditProblem_clicked()
{
    if (problemsEmpty())
        return;
    const int index = selectedProblemIndex();
    if (index != -1) {
        Problem *problem = problems->at(index);
        frmDescription dialog(this);
        dialog.editShort(problem->shortDescription);
        dialog.editLong(problem->fullDescription);
        if (dialog.exec() == QDialog::Accepted) {
            const QString shortText = dialog.txtShort->text();
            const QString fullText = dialog.txtFull->toPlainText();
            if (shortText.isEmpty() && fullText.isEmpty()) {
                removeSelectedProblem(index);
            } else {
                problem->shortDescription = shortText;
                problem->fullDescription = fullText;
                selectedProblem->setText(0, shortText);
            }
        }
    }
    trace(QLatin1String("Child count: ") + QString::number(lvProblems->topLevelItemCount()));
    applyFinishRule();
}

void frmFirst::btDeleteProblem_clicked()
{
    if (problemsEmpty())
        return;
    const int index = selectedProblemIndex();
    if (index != -1)
        removeSelectedProblem(index);
    applyFinishRule();
}

void frmFirst::lvProblems_doubleClicked(QTreeWidgetItem *lvPr)
{
    if (problemsEmpty())
        return;
    selectedProblem = lvPr;
    if (!lvPr)
        return;
    lvProblems->setCurrentItem(lvPr);
    btEditProblem_clicked();
}

void frmFirst::lvProblems_rightButtonClicked(QTreeWidgetItem *lvPr, const QPoint &p, int)
{
    popUp(ProblemsMenu, lvPr != nullptr, p);
    if (!tracing())
        return;
    for (int i = 0; i < problems->size(); ++i) {
        const Problem *problem = problems->at(i);
        qDebug().noquote() << QStringLiteral("Problem %1").arg(i + 1) + problem->shortDescription
                + QLatin1String("::") + problem->fullDescription;
    }
}
