// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef RECOVERYJOURNAL_H
#define RECOVERYJOURNAL_H

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QLockFile>
#include <QString>

#include <memory>
#include <vector>

// One unsaved meeting as the journal keeps it: the meeting's file contents as Save would write
// them, and what a meeting file cannot hold.
struct JournalEntry
{
    QString path; // the entry's own file in the journal
    QString subject;
    QString fileName; // the meeting's file; empty for a meeting never saved
    QDateTime written; // when the entry was written, in UTC
    QByteArray baseHash; // the meeting file's content hash as last read or written by us
    QString meetingDecision; // the meeting's own decision text and notes, which its file lacks
    QString meetingNotes;
    QByteArray meetingContents; // what Save would write; empty in a listing
};

// Unsaved meetings written to disk a moment after each edit, so that Exit, Replace or a crash
// loses nothing. Each running program keeps its entries in a session folder of its own, held by a
// lock file for as long as the program lives; a folder whose lock is free belongs to a program
// that has ended, and its entries are offered at the next start. Needs no window.
class RecoveryJournal
{
public:
    // Journal folder: created when missing. A session folder is made in it and locked.
    explicit RecoveryJournal(const QString &folder);
    ~RecoveryJournal();
    RecoveryJournal(const RecoveryJournal &) = delete;
    RecoveryJournal &operator=(const RecoveryJournal &) = delete;

    // The user's state folder: $XDG_STATE_HOME, or ~/.local/state, then "mootrak/recovery".
    static QString defaultFolder();

    // False when the session folder could not be made and locked; nothing is written then.
    bool isOpen() const { return sessionLock != nullptr; }

    // Writes the entry named `id` whole or not at all, replacing an earlier one.
    bool write(const QString &id, const JournalEntry &entry, QString &reason);
    void remove(const QString &id);

    // The entries of programs that have ended, oldest first, without their contents. Their
    // session folders are locked for this program, so another program started meanwhile does
    // not offer them too.
    QList<JournalEntry> takeOrphans();
    // Reads an entry whole; false, with the reason, when it is missing or damaged.
    static bool read(const QString &path, JournalEntry &entry, QString &reason);
    // Removes an entry taken over, and its session folder once it is empty.
    void discard(const JournalEntry &entry);

private:
    QString entryPath(const QString &id) const;
    void adoptSession(const QString &sessionFolder, QList<JournalEntry> &entries);

    QString folder;
    QString sessionFolder;
    std::unique_ptr<QLockFile> sessionLock;
    std::vector<std::unique_ptr<QLockFile>> adoptedLocks; // sessions of ended programs
};

#endif // RECOVERYJOURNAL_H
