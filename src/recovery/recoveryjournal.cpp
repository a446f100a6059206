// SPDX-License-Identifier: GPL-3.0-or-later
#include "recovery/recoveryjournal.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <QUuid>

#include <algorithm>

#include "document/atomicfile.h"

// An entry is a header of "key: value" lines, each value percent-encoded so that any text fits
// on its line, an empty line, and then the meeting's file contents as they are.
static const QByteArray magicLine = QByteArrayLiteral("mootrak-journal 1");
static const QString lockName = QStringLiteral("lock");
static const QString entrySuffix = QStringLiteral(".entry");

static QByteArray headerLine(const char *key, const QString &value)
{
    return QByteArray(key) + ": " + QUrl::toPercentEncoding(value) + '\n';
}

static QByteArray entryHeader(const JournalEntry &entry)
{
    QByteArray bytes = magicLine + '\n';
    bytes += headerLine("subject", entry.subject);
    bytes += headerLine("file", entry.fileName);
    bytes += headerLine("written", entry.written.toUTC().toString(Qt::ISODateWithMs));
    bytes += headerLine("base", QString::fromLatin1(entry.baseHash.toHex()));
    bytes += headerLine("decision", entry.meetingDecision);
    bytes += headerLine("notes", entry.meetingNotes);
    return bytes + '\n';
}

static void setField(JournalEntry &entry, const QByteArray &key, const QString &value)
{
    if (key == "subject")
        entry.subject = value;
    else if (key == "file")
        entry.fileName = value;
    else if (key == "written")
        entry.written = QDateTime::fromString(value, Qt::ISODateWithMs);
    else if (key == "base")
        entry.baseHash = QByteArray::fromHex(value.toLatin1());
    else if (key == "decision")
        entry.meetingDecision = value;
    else if (key == "notes")
        entry.meetingNotes = value;
}

// Reads the header, and the contents too when asked; false when the file is no entry.
static bool readEntryFile(const QString &path, JournalEntry &entry, bool withContents,
                          QString &reason)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString();
        return false;
    }
    if (file.readLine().trimmed() != magicLine) {
        reason = QCoreApplication::translate("frmRecovery", "It is not a recovery entry.");
        return false;
    }
    entry = JournalEntry();
    entry.path = path;
    for (QByteArray line = file.readLine(); line != "\n"; line = file.readLine()) {
        if (line.isEmpty() || !line.endsWith('\n')) {
            reason = QCoreApplication::translate("frmRecovery", "The entry is cut short.");
            return false;
        }
        const qsizetype colon = line.indexOf(": ");
        const QByteArray value = line.mid(colon + 2).chopped(1);
        setField(entry, line.left(colon),
                 QString::fromUtf8(QByteArray::fromPercentEncoding(value)));
    }
    if (withContents)
        entry.meetingContents = file.readAll();
    return true;
}

RecoveryJournal::RecoveryJournal(const QString &journalFolder)
    : folder(journalFolder)
{
    sessionFolder = QDir(folder).filePath(QUuid::createUuid().toString(QUuid::WithoutBraces));
    if (!QDir().mkpath(sessionFolder))
        return;
    auto lock = std::make_unique<QLockFile>(QDir(sessionFolder).filePath(lockName));
    lock->setStaleLockTime(0); // a lock is stale only when its program has gone
    if (lock->tryLock(0))
        sessionLock = std::move(lock);
}

// The session folder stays when entries are left in it: they are offered at the next start.
RecoveryJournal::~RecoveryJournal()
{
    if (sessionLock)
        sessionLock->unlock();
    QDir().rmdir(sessionFolder);
}

QString RecoveryJournal::defaultFolder()
{
    // QStandardPaths of this Qt has no state location yet; this is where newer ones put it.
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/mootrak/recovery");
}

QString RecoveryJournal::entryPath(const QString &id) const
{
    return QDir(sessionFolder).filePath(id + entrySuffix);
}

bool RecoveryJournal::write(const QString &id, const JournalEntry &entry, QString &reason)
{
    if (!isOpen()) {
        reason = QCoreApplication::translate("frmRecovery", "The recovery folder is not usable.");
        return false;
    }
    return AtomicFile::write(entryPath(id), {entryHeader(entry), entry.meetingContents}, reason);
}

void RecoveryJournal::remove(const QString &id)
{
    if (isOpen())
        QFile::remove(entryPath(id));
}

QList<JournalEntry> RecoveryJournal::takeOrphans()
{
    QList<JournalEntry> entries;
    const QStringList sessions = QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &session : sessions) {
        const QString path = QDir(folder).filePath(session);
        if (path != sessionFolder)
            adoptSession(path, entries);
    }
    std::sort(entries.begin(), entries.end(),
              [](const JournalEntry &a, const JournalEntry &b) { return a.written < b.written; });
    return entries;
}

// A session whose lock this program gets belongs to a program that has ended.
void RecoveryJournal::adoptSession(const QString &session, QList<JournalEntry> &entries)
{
    auto lock = std::make_unique<QLockFile>(QDir(session).filePath(lockName));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return;
    const QStringList names
        = QDir(session).entryList({QLatin1Char('*') + entrySuffix}, QDir::Files);
    for (const QString &name : names) {
        JournalEntry entry;
        QString reason;
        if (readEntryFile(QDir(session).filePath(name), entry, false, reason))
            entries.append(entry);
    }
    if (names.isEmpty()) {
        lock->unlock();
        QDir().rmdir(session);
        return;
    }
    adoptedLocks.push_back(std::move(lock));
}

bool RecoveryJournal::read(const QString &path, JournalEntry &entry, QString &reason)
{
    return readEntryFile(path, entry, true, reason);
}

void RecoveryJournal::discard(const JournalEntry &entry)
{
    QFile::remove(entry.path);
    const QDir session = QFileInfo(entry.path).dir();
    if (!session.entryList({QLatin1Char('*') + entrySuffix}, QDir::Files).isEmpty())
        return;
    for (auto it = adoptedLocks.begin(); it != adoptedLocks.end(); ++it) {
        if (QFileInfo((*it)->fileName()).dir() == session) {
            (*it)->unlock();
            adoptedLocks.erase(it);
            QDir().rmdir(session.path());
            return;
        }
    }
}
