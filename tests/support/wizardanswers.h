// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef WIZARDANSWERS_H
#define WIZARDANSWERS_H

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

#include "support/dialogscript.h"
#include "support/records.h"
#include "wizard/frmdescription.h"
#include "wizard/frmfirst.h"
#include "wizard/frmpeople.h"

// Answers for the wizard and the dialogs it opens, entered and clicked as a user does. Text goes
// in as a paste would, since key clicks cannot spell characters beyond Latin-1.
namespace Answers {

// Fills the description dialog and presses Return in the short description.
inline DialogScript::Answer describe(const QString &shortText, const QString &fullText)
{
    return [=](QWidget *dialog) {
        auto *description = qobject_cast<frmDescription *>(dialog);
        if (!description)
            return dialog->close(), void();
        description->txtShort->clear();
        description->txtShort->insert(shortText);
        description->txtFull->setPlainText(fullText);
        QTest::keyClick(description->txtShort, Qt::Key_Return);
    };
}

// Fills the person dialog and presses Return in the first name, or Escape for a person with no
// field at all; `shown` gets the person it opened with.
inline DialogScript::Answer enterPerson(const Person &person, Person *shown = nullptr)
{
    return [=](QWidget *dialog) {
        auto *people = qobject_cast<frmPeople *>(dialog);
        if (!people)
            return dialog->close(), void();
        QLineEdit *edits[] {people->txtFN, people->txtSN, people->txtOccupation, people->txtEmail,
                            people->txtPhone};
        QString Person::*fields[] {&Person::first, &Person::second, &Person::occupation,
                                   &Person::email, &Person::phone};
        for (int i = 0; i < 5; ++i) {
            if (shown)
                shown->*fields[i] = edits[i]->text();
            edits[i]->clear();
            edits[i]->insert(person.*fields[i]);
        }
        QTest::keyClick(people->txtFN, person == Person {} ? Qt::Key_Escape : Qt::Key_Return);
    };
}

struct WizardInput
{
    QString subject; // left alone when empty, as on the problems page
    QString place;
    QList<Person> participants;
    QList<QPair<QString, QString>> problems; // short and full description
    bool finish = true; // or Cancel, once everything is entered
    int *startPage = nullptr; // gets the id of the page the wizard opened on
};

// Runs the wizard through to Finish or Cancel: the header, then Add for each participant and
// problem. The dialogs those open take the answers that follow in the script.
inline Script runWizard(const WizardInput &input)
{
    Script script;
    script << [input](QWidget *dialog) {
        auto *wizard = qobject_cast<frmFirst *>(dialog);
        if (!wizard)
            return dialog->close(), void();
        if (input.startPage)
            *input.startPage = wizard->currentId();
        if (!input.subject.isEmpty()) // a follow-up shows its subject selected
            wizard->txtTema->insert(input.subject);
        wizard->txtPlace->insert(input.place);
        for (qsizetype i = 0; i < input.participants.size(); ++i)
            wizard->btAdd->click();
        if (wizard->currentId() == 0)
            wizard->button(QWizard::NextButton)->click();
        for (qsizetype i = 0; i < input.problems.size(); ++i)
            wizard->btAddProblem->click();
        wizard->button(input.finish ? QWizard::FinishButton : QWizard::CancelButton)->click();
    };
    for (const Person &person : input.participants)
        script << enterPerson(person);
    for (const auto &[shortText, fullText] : input.problems)
        script << describe(shortText, fullText);
    return script;
}

} // namespace Answers

#endif // WIZARDANSWERS_H
