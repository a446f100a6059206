// SPDX-License-Identifier: GPL-3.0-or-later
#include "recovery/filefingerprints.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include "document/meetingfile.h"

QByteArray FileFingerprints::hashOf(const QByteArray &contents)
{
    // Only to tell our own bytes from someone else's, so a fast hash will do.
    return QCryptographicHash::hash(contents, QCryptographicHash::Md5);
}

QString FileFingerprints::key(const QString &fileName)
{
    return QFileInfo(fileName).absoluteFilePath();
}

void FileFingerprints::remember(const QString &fileName, const QByteArray &contents)
{
    rememberHash(fileName, hashOf(contents));
}

void FileFingerprints::rememberHash(const QString &fileName, const QByteArray &hash)
{
    hashes.insert(key(fileName), hash);
}

QByteArray FileFingerprints::hashFor(const QString &fileName) const
{
    return hashes.value(key(fileName));
}

bool FileFingerprints::changedElsewhere(const QString &fileName) const
{
    const QByteArray known = hashFor(fileName);
    if (known.isEmpty() || !QFileInfo::exists(fileName))
        return false;
    QByteArray contents;
    QString reason;
    // A file that cannot be read any more (a FIFO put in its place, say) has changed.
    if (!MeetingFile::readRegularFile(fileName, contents, reason))
        return true;
    return hashOf(contents) != known;
}
