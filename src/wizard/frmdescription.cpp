// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/frmdescription.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpacerItem>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/formwidgets.h"

frmDescription::frmDescription(QWidget *parent, const char *name, bool modal, Qt::WindowFlags fl)
    : QDialog(parent, fl)
{
    setObjectName(name ? QString::fromUtf8(name) : QStringLiteral("frmDescription"));
    setWindowTitle(tr("Problem description"));
    resize(350, 248);
    setModal(modal);

    createWidgets();
    createLayout();
    connectSignals();
}

void frmDescription::createWidgets()
{
    TextLabel4 = makeNamed<QLabel>("TextLabel4", tr("Short description:"), this);
    TextLabel5 = makeNamed<QLabel>("TextLabel5", tr("Full description:"), this);

    txtShort = makeNamed<QLineEdit>("txtShort", this);
    txtShort->setMaxLength(30);

    // Descriptions are stored as plain text: pasted formatting must not slip in.
    txtFull = makeNamed<QTextEdit>("txtFull", this);
    txtFull->setAcceptRichText(false);

    btOKDescription = makeNamed<QPushButton>("btOKDescription", tr("&OK"), this);
    btOKDescription->setAutoDefault(true);
    btOKDescription->setDefault(true);
    btCancelDescription = makeNamed<QPushButton>("btCancelDescription", tr("&Cancel"), this);
}

void frmDescription::createLayout()
{
    frmDescriptionLayout = makeOuterBox<QVBoxLayout>("frmDescriptionLayout", this);

    Layout29 = makeNamedBox<QVBoxLayout>("Layout29");
    Layout29->addLayout(createFieldsRow());
    Layout29->addLayout(createButtonsRow());
    frmDescriptionLayout->addLayout(Layout29);
}

// Labels and edits stand in two columns. The short label takes the line edit's height to stay
// on its row; the spacer below the full label holds it at the top of the text area.
QHBoxLayout *frmDescription::createFieldsRow()
{
    TextLabel5->setBuddy(txtFull);

    Layout16 = makeNamedBox<QVBoxLayout>("Layout16");
    Layout16->addWidget(TextLabel5);
    Layout16->addItem(new QSpacerItem(20, 20, QSizePolicy::Minimum, QSizePolicy::Expanding));

    Layout26 = makeNamedBox<QVBoxLayout>("Layout26");
    addLabelFor(TextLabel4, txtShort, Layout26);
    Layout26->addLayout(Layout16);

    Layout27 = makeNamedBox<QVBoxLayout>("Layout27");
    Layout27->addWidget(txtShort);
    Layout27->addWidget(txtFull);

    Layout28 = sideBySide("Layout28", Layout26, Layout27);
    return Layout28;
}

QHBoxLayout *frmDescription::createButtonsRow()
{
    Layout19 = makeNamedBox<QHBoxLayout>("Layout19");
    Layout19->addWidget(btOKDescription);
    Layout19->addWidget(btCancelDescription);

    Layout24 = makeNamedBox<QHBoxLayout>("Layout24");
    Layout24->addItem(new QSpacerItem(20, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    Layout24->addLayout(Layout19);
    return Layout24;
}

void frmDescription::connectSignals()
{
    connect(btOKDescription, &QPushButton::clicked, this, &frmDescription::accept);
    connect(btCancelDescription, &QPushButton::clicked, this, &frmDescription::reject);
}

// The edit's length limit cuts a longer title to 30 characters.
void frmDescription::editShort(const QString shortDesc)
{
    txtShort->setText(shortDesc);
}

void frmDescription::editLong(const QString longDesc)
{
    txtFull->setPlainText(longDesc);
}
