// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/frmfolders.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/formwidgets.h"

namespace {
constexpr int dialogWidth = 520;
constexpr int dialogHeight = 300;
} // namespace

frmFolders::frmFolders(const QStringList &folders, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmFolders"));
    setWindowTitle(tr("Meeting folders"));
    resize(dialogWidth, dialogHeight);

    auto *label = makeNamed<QLabel>(
        "lblFolders",
        tr("The register lists the decisions of every meeting file in these &folders:"), this);
    lstFolders = makeNamed<QListWidget>("lstFolders", this);
    label->setBuddy(lstFolders);
    for (const QString &folder : folders)
        lstFolders->addItem(QDir::toNativeSeparators(folder));
    btAddFolder = makeNamed<QPushButton>("btAddFolder", tr("&Add..."), this);
    btRemoveFolder = makeNamed<QPushButton>("btRemoveFolder", tr("&Remove"), this);
    btRemoveFolder->setEnabled(false);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto *side = makeNamedBox<QVBoxLayout>("folderButtons");
    side->addWidget(btAddFolder);
    side->addWidget(btRemoveFolder);
    side->addStretch();
    auto *row = makeNamedBox<QHBoxLayout>("folderRow");
    row->addWidget(lstFolders);
    row->addLayout(side);
    auto *layout = makeOuterBox<QVBoxLayout>("frmFoldersLayout", this);
    layout->addWidget(label);
    layout->addLayout(row);
    layout->addWidget(buttons);

    connect(btAddFolder, &QPushButton::clicked, this, &frmFolders::addFolder);
    connect(btRemoveFolder, &QPushButton::clicked, this, &frmFolders::removeFolder);
    connect(lstFolders, &QListWidget::currentRowChanged, this,
            [this](int row) { btRemoveFolder->setEnabled(row != -1); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QStringList frmFolders::folders() const
{
    QStringList folders;
    for (int row = 0; row < lstFolders->count(); ++row)
        folders << QDir::fromNativeSeparators(lstFolders->item(row)->text());
    return folders;
}

// A folder given twice is listed once.
void frmFolders::addFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Add a meeting folder"));
    if (folder.isEmpty() || folders().contains(QDir::cleanPath(folder)))
        return;
    lstFolders->addItem(QDir::toNativeSeparators(QDir::cleanPath(folder)));
    lstFolders->setCurrentRow(lstFolders->count() - 1);
}

void frmFolders::removeFolder()
{
    delete lstFolders->takeItem(lstFolders->currentRow());
}
