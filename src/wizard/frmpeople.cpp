#include "wizard/frmpeople.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpacerItem>
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

Participant *frmPeople::askNew(QWidget *parent, const QString &title, RecordStore &records)
{
    frmPeople dialog(parent);
    dialog.setWindowTitle(title);
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
