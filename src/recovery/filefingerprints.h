// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FILEFINGERPRINTS_H
#define FILEFINGERPRINTS_H

#include <QByteArray>
#include <QHash>
#include <QString>

// What each meeting file held when this program last read or wrote it, so a save can tell
// whether someone else has changed the file since. Judged by content: a file touched but
// unchanged is not taken for changed. Needs no window.
class FileFingerprints
{
public:
    static QByteArray hashOf(const QByteArray &contents);

    void remember(const QString &fileName, const QByteArray &contents);
    void rememberHash(const QString &fileName, const QByteArray &hash);
    // The hash remembered for the file; empty when it was never read or written here.
    QByteArray hashFor(const QString &fileName) const;
    // True when the file was read or written here and now holds something else. A file never
    // seen here is not changed elsewhere; neither is one since removed, which a save recreates.
    bool changedElsewhere(const QString &fileName) const;

private:
    static QString key(const QString &fileName);

    QHash<QString, QByteArray> hashes;
};

#endif // FILEFINGERPRINTS_H
