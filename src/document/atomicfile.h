// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ATOMICFILE_H
#define ATOMICFILE_H

#include <QByteArray>
#include <QList>
#include <QString>

// Writes a whole file or nothing: the old file stays as it was unless every byte reached the
// disk. On failure `reason` tells why, in the system's words where it has them.
namespace AtomicFile {

bool write(const QString &fileName, const QByteArray &contents, QString &reason);
// The same for contents made of parts, written one after the other without joining them first.
bool write(const QString &fileName, const QList<QByteArray> &parts, QString &reason);

} // namespace AtomicFile

#endif // ATOMICFILE_H
