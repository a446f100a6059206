// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/frmpeople.h"

#include <QCompleter>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpacerItem>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include "app/formwidgets.h"

frmPeople::frmPeople(QWidget *parent, const char *name, bool modal, Qt::WindowFlags fl)
    : QDialog(parent, fl)
{
    setObjectName(name ? QString::fromUtf8(name) : QStringLiteral("frmPeople"));
    setWindowTitle(tr("People"));
    resize(311, 196);
    setModal(modal);

    createWidgets();
    createLayout();
    connectSignals();
    init();
}

// The widgets are made in focus order: the five edits, then OK and Cancel.
void frmPeople::createWidgets()
{
    TextLabel5 = makeNamed<QLabel>("TextLabel5", tr("First Name:"), this);
    TextLabel6 = makeNamed<QLabel>("TextLabel6", tr("Second Name:"), this);
    TextLabel7 = makeNamed<QLabel>("TextLabel7", tr("Occupation:"), this);
    TextLabel8 = makeNamed<QLabel>("TextLabel8", tr("E-mail:"), this);
    TextLabel9 = makeNamed<QLabel>("TextLabel9", tr("Telephone:"), this);
    txtFN = makeNamed<QLineEdit>("txtFN", this);
    txtSN = makeNamed<QLineEdit>("txtSN", this);
    txtOccupation = makeNamed<QLineEdit>("txtOccupation", this);
    txtEmail = makeNamed<QLineEdit>("txtEmail", this);
    txtPhone = makeNamed<QLineEdit>("txtPhone", this);
    txtPhone->setMaxLength(25);
    btOk = makeNamed<QPushButton>("btOk", tr("OK"), this);
    btOk->setAutoDefault(true);
    btOk->setDefault(true);
    btCancel = makeNamed<QPushButton>("btCancel", tr("Cancel"), this);
}

static void placeBeside(QLabel *label, QLineEdit *edit, QVBoxLayout *labels, QVBoxLayout *edits)
{
    addLabelFor(label, edit, labels);
    edits->addWidget(edit);
}

void frmPeople::createLayout()
{
    frmPeopleLayout = makeOuterBox<QVBoxLayout>("frmPeopleLayout", this);

    Layout55 = makeNamedBox<QVBoxLayout>("Layout55");
    Layout56 = makeNamedBox<QVBoxLayout>("Layout56");
    placeBeside(TextLabel5, txtFN, Layout55, Layout56);
    placeBeside(TextLabel6, txtSN, Layout55, Layout56);
    placeBeside(TextLabel7, txtOccupation, Layout55, Layout56);
    placeBeside(TextLabel8, txtEmail, Layout55, Layout56);
    placeBeside(TextLabel9, txtPhone, Layout55, Layout56);
    Layout57 = sideBySide("Layout57", Layout55, Layout56);
    frmPeopleLayout->addLayout(Layout57);

    Layout67 = makeNamedBox<QHBoxLayout>("Layout67");
    Layout67->addItem(new QSpacerItem(20, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    Layout67->addWidget(btOk);
    Layout67->addWidget(btCancel);
    frmPeopleLayout->addLayout(Layout67);
}

void frmPeople::connectSignals()
{
    connect(btOk, &QPushButton::clicked, this, &frmPeople::accept);
    connect(btCancel, &QPushButton::clicked, this, &frmPeople::reject);
}

void frmPeople::init()
{ }

void frmPeople::editFN(QString FN)
{
    txtFN->setText(FN);
}

void frmPeople::editSN(QString SN)
{
    txtSN->setText(SN);
}

void frmPeople::editOccupation(QString occup)
{
    txtOccupation->setText(occup);
}

void frmPeople::editEmail(QString email)
{
    txtEmail->setText(email);
}

// The edit's length limit cuts a longer number to 25 characters.
void frmPeople::editPhone(QString phone)
{
    txtPhone->setText(phone);
}

void frmPeople::showPerson(const Participant &person)
{
    editFN(person.firstName);
    editSN(person.secondName);
    editOccupation(person.occupation);
    editEmail(person.email);
    editPhone(person.phone);
}

void frmPeople::takePerson(Participant *person) const
{
    person->firstName = txtFN->text();
    person->secondName = txtSN->text();
    person->occupation = txtOccupation->text();
    person->email = txtEmail->text();
    person->phone = txtPhone->text();
}

bool frmPeople::execWithName()
{
    return exec() == QDialog::Accepted && !(txtSN->text().isEmpty() && txtFN->text().isEmpty());
}

namespace {
enum SuggestionRole { NameRole = Qt::UserRole + 1, PersonRole };
enum SuggestionColumn { FirstNameColumn, SecondNameColumn };
} // namespace

// One row per person: each name column matches on the name alone and shows the whole person.
void frmPeople::offerPersons(const QList<Participant *> &persons)
{
    if (persons.isEmpty())
        return;
    suggestions = new QStandardItemModel(0, 2, this);
    for (const Participant *person : persons) {
        const QString shown = QStringList {person->firstName, person->secondName,
                                           person->occupation.isEmpty() ? QString()
                                                                        : QLatin1String("(")
                                                   + person->occupation + QLatin1String(")")}
                                  .join(QLatin1Char(' '))
                                  .simplified();
        QList<QStandardItem *> row;
        for (const QString &name : {person->firstName, person->secondName}) {
            auto *item = new QStandardItem(shown);
            item->setData(name, NameRole);
            item->setData(int(suggested.size()), PersonRole);
            row << item;
        }
        suggestions->appendRow(row);
        suggested << *person;
    }
    txtFN->setCompleter(nameCompleter(FirstNameColumn));
    txtSN->setCompleter(nameCompleter(SecondNameColumn));
}

QCompleter *frmPeople::nameCompleter(int column)
{
    auto *completer = new QCompleter(suggestions, this);
    completer->setCompletionColumn(column);
    completer->setCompletionRole(NameRole);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    connect(completer, qOverload<const QModelIndex &>(&QCompleter::activated), this,
            [this](const QModelIndex &index) {
                const int person = index.data(PersonRole).toInt();
                if (person >= 0 && person < suggested.size())
                    showPerson(suggested.at(person));
            });
    return completer;
}

Participant *frmPeople::askNew(QWidget *parent, const QString &title, RecordStore &records,
                               const QList<Participant *> &suggestions)
{
    frmPeople dialog(parent);
    dialog.setWindowTitle(title);
    dialog.offerPersons(suggestions);
    if (!dialog.execWithName())
        return nullptr;
    auto *person = records.make<Participant>();
    dialog.takePerson(person);
    return person;
}

bool frmPeople::askEdit(QWidget *parent, Participant *person)
{
    frmPeople dialog(parent);
    dialog.showPerson(*person);
    dialog.setWindowTitle(tr("Edit person"));
    if (!dialog.execWithName())
        return false;
    dialog.takePerson(person);
    return true;
}
