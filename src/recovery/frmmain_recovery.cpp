// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmmain.h"

#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QUuid>

#include "app/statustimeouts.h"
#include "document/meetingfile.h"
#include "document/meetingwriter.h"
#include "recovery/frmrecovery.h"
#include "recovery/recoveryjournal.h"

namespace {
// Long enough that typing writes no entry per key, short enough that a crash loses little.
constexpr int journalDelayMs = 1500;
} // namespace

void frmMain::keepRecoveryJournal(const QString &folder)
{
    if (journal)
        return;
    journal = new RecoveryJournal(folder);
    journalTimer = new QTimer(this);
    journalTimer->setSingleShot(true);
    journalTimer->setInterval(journalDelayMs);
    connect(journalTimer, &QTimer::timeout, this, &frmMain::writeJournal);
    connect(this, &frmMain::meetingsChanged, this, &frmMain::journalMeetingsChanged);
    journalMeetingsChanged(*meetings);

    const QList<JournalEntry> orphans = journal->takeOrphans();
    if (orphans.isEmpty())
        return;
    auto *offer = new frmRecovery(orphans, this);
    connect(offer, &frmRecovery::recoverRequested, this, &frmMain::recoverEntry);
    connect(offer, &frmRecovery::discardRequested, this, &frmMain::discardEntry);
    offer->show();
}

void frmMain::closeRecoveryJournal()
{
    if (!journal)
        return;
    writeJournal();
    delete journal;
    journal = nullptr;
}

void frmMain::journalEdited(Meeting *meeting)
{
    if (!journal)
        return;
    if (!journalPending.contains(meeting))
        journalPending.append(meeting);
    journalTimer->start();
}

// New and recovered meetings come in unsaved. Meetings that leave the list by Replace keep their
// entries, written now with every edit they had, since they are about to be freed.
void frmMain::journalMeetingsChanged(const QList<Meeting *> &list)
{
    if (!journal)
        return;
    for (Meeting *meeting : list) {
        if (meeting->modified && !journalIds.contains(meeting))
            journalEdited(meeting);
    }
    for (Meeting *leaving : std::as_const(journalPending)) {
        if (!list.contains(leaving))
            writeJournalEntry(leaving);
    }
    journalPending.removeIf([&list](Meeting *meeting) { return !list.contains(meeting); });
    journalIds.removeIf([&list](const auto &id) { return !list.contains(id.key()); });
}

// The user deleted the meeting: its changes go with it.
void frmMain::journalForget(const Meeting *meeting)
{
    if (!journal)
        return;
    journalPending.removeOne(const_cast<Meeting *>(meeting));
    if (journalIds.contains(meeting))
        journal->remove(journalIds.take(meeting));
}

void frmMain::writeJournal()
{
    const QList<Meeting *> pending = std::exchange(journalPending, {});
    for (Meeting *meeting : pending) {
        if (meetings->contains(meeting))
            writeJournalEntry(meeting);
    }
}

// A saved meeting needs no entry. A journal that cannot be written is told, not hidden: the user
// then knows to save.
void frmMain::writeJournalEntry(Meeting *meeting)
{
    if (!meeting->modified) {
        journalForget(meeting);
        return;
    }
    QString &id = journalIds[meeting];
    if (id.isEmpty())
        id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    JournalEntry entry;
    entry.subject = meeting->subject;
    entry.fileName = meeting->fileName;
    entry.written = QDateTime::currentDateTimeUtc();
    entry.baseHash = fileFingerprints.hashFor(meeting->fileName);
    entry.meetingDecision = meeting->decisionText;
    entry.meetingNotes = meeting->notes;
    entry.meetingContents = MeetingFile::fileContents(MeetingFile::meetingText(*meeting));
    QString reason;
    if (!journal->write(id, entry, reason)) {
        statusBar()->showMessage(
            tr("Unsaved changes could not be kept for recovery: %1").arg(reason),
            StatusTimeout::readable);
    }
}

// The meeting comes back unsaved, with its file name, so Save offers the place it came from. Its
// entry goes only once this program's journal holds it.
void frmMain::recoverEntry(const JournalEntry &listed)
{
    JournalEntry entry;
    QString reason;
    QDomDocument document;
    if (!RecoveryJournal::read(listed.path, entry, reason)
        || !MeetingFile::parse(entry.meetingContents, document, reason)) {
        statusBar()->showMessage(tr("Cannot recover \"%1\": %2").arg(listed.subject, reason),
                                 StatusTimeout::readable);
        return;
    }
    Meeting *meeting = appendOpened(document, entry.fileName); // as Open adds it
    meeting->decisionText = entry.meetingDecision;
    meeting->notes = entry.meetingNotes;
    meeting->markModified();
    if (!entry.baseHash.isEmpty() && fileFingerprints.hashFor(entry.fileName).isEmpty())
        fileFingerprints.rememberHash(entry.fileName, entry.baseHash);
    journalEdited(meeting);
    writeJournal();
    journal->discard(entry);
}

void frmMain::discardEntry(const JournalEntry &entry)
{
    journal->discard(entry);
}

// Asked before a save replaces a file that someone else changed since this program last read or
// wrote it; the answers in the order of the buttons.
frmMain::ChangedFileAnswer frmMain::askAboutChangedFile(const QString &fileName)
{
    QMessageBox box(QMessageBox::Warning, tr("File changed on disk"),
                    tr("%1 was changed by another program since Mootrak last read or saved it.")
                        .arg(QDir::toNativeSeparators(fileName)),
                    QMessageBox::NoButton, this);
    box.setObjectName(QStringLiteral("changedOnDisk"));
    box.setInformativeText(tr("Overwriting it loses those changes."));
    QPushButton *overwrite = box.addButton(tr("Overwrite"), QMessageBox::DestructiveRole);
    QPushButton *another = box.addButton(tr("Save as another file"), QMessageBox::AcceptRole);
    QPushButton *cancel = box.addButton(tr("Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(another);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == overwrite)
        return ChangedFileAnswer::Overwrite;
    return box.clickedButton() == another ? ChangedFileAnswer::SaveAsAnother
                                          : ChangedFileAnswer::Cancel;
}

QString frmMain::confirmSaveTarget(QString fileName, const QString &caption)
{
    while (!fileName.isEmpty() && fileFingerprints.changedElsewhere(fileName)) {
        switch (askAboutChangedFile(fileName)) {
        case ChangedFileAnswer::Overwrite:
            return fileName;
        case ChangedFileAnswer::SaveAsAnother:
            fileName = askSaveFileName(caption, fileName);
            break;
        case ChangedFileAnswer::Cancel:
            return QString();
        }
    }
    return fileName;
}
