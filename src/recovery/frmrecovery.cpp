// SPDX-License-Identifier: GPL-3.0-or-later
#include "recovery/frmrecovery.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/dateformat.h"
#include "app/formwidgets.h"

namespace {
constexpr int dialogWidth = 640;
constexpr int dialogHeight = 280;
constexpr int subjectWidth = 220;
constexpr int changedWidth = 150;
} // namespace

static QStringList rowTexts(const JournalEntry &entry)
{
    const QString file = entry.fileName.isEmpty() ? frmRecovery::tr("(never saved)")
                                                  : QDir::toNativeSeparators(entry.fileName);
    return {entry.subject, entry.written.toLocalTime().toString(DateFormat::displayToMinute), file};
}

frmRecovery::frmRecovery(const QList<JournalEntry> &journalEntries, QWidget *parent)
    : QDialog(parent)
    , entries(journalEntries)
{
    setObjectName(QStringLiteral("frmRecovery"));
    setWindowTitle(tr("Recover unsaved meetings"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(dialogWidth, dialogHeight);

    auto *label = makeNamed<QLabel>(
        "lblRecovery",
        tr("These meetings had changes that were not saved when Mootrak last ended. "
           "Recover them to go on with them, or discard the changes."),
        this);
    label->setWordWrap(true);
    lvEntries = makeNamed<QTreeWidget>("lvEntries", this);
    lvEntries->setHeaderLabels({tr("Meeting"), tr("Last change"), tr("File")});
    lvEntries->setRootIsDecorated(false);
    lvEntries->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lvEntries->header()->resizeSection(0, subjectWidth);
    lvEntries->header()->resizeSection(1, changedWidth);
    for (const JournalEntry &entry : std::as_const(entries))
        lvEntries->addTopLevelItem(new QTreeWidgetItem(rowTexts(entry)));
    lvEntries->setCurrentItem(lvEntries->topLevelItem(0));
    lvEntries->selectAll();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    btRecover = buttons->addButton(tr("Recover"), QDialogButtonBox::ActionRole);
    btRecover->setObjectName(QStringLiteral("btRecover"));
    btRecover->setDefault(true);
    btDiscard = buttons->addButton(tr("Discard"), QDialogButtonBox::DestructiveRole);
    btDiscard->setObjectName(QStringLiteral("btDiscard"));

    auto *layout = makeOuterBox<QVBoxLayout>("frmRecoveryLayout", this);
    layout->addWidget(label);
    layout->addWidget(lvEntries);
    layout->addWidget(buttons);

    connect(btRecover, &QPushButton::clicked, this, [this] { takeSelected(true); });
    connect(btDiscard, &QPushButton::clicked, this, [this] { takeSelected(false); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(lvEntries, &QTreeWidget::itemSelectionChanged, this, &frmRecovery::updateButtons);
}

// Rows are taken from the bottom up, so the indices of those still to come stay right, and
// handed on in the list's order. The window closes once nothing is left to offer.
void frmRecovery::takeSelected(bool recover)
{
    QList<JournalEntry> taken;
    for (int row = lvEntries->topLevelItemCount() - 1; row >= 0; --row) {
        if (!lvEntries->topLevelItem(row)->isSelected())
            continue;
        taken.prepend(entries.takeAt(row));
        delete lvEntries->takeTopLevelItem(row);
    }
    for (const JournalEntry &entry : std::as_const(taken)) {
        if (recover)
            emit recoverRequested(entry);
        else
            emit discardRequested(entry);
    }
    if (entries.isEmpty())
        accept();
}

void frmRecovery::updateButtons()
{
    const bool any = !lvEntries->selectedItems().isEmpty();
    btRecover->setEnabled(any);
    btDiscard->setEnabled(any);
}
