// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/atomicfile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

namespace AtomicFile {

// A short write sets no error, and commit() ignores a failed last flush: both are checked here.
// A disk that took only part of the bytes refuses the rest with the system's reason, so the rest
// is offered again until it is written or refused.
static bool writeAll(QSaveFile &file, const QList<QByteArray> &parts)
{
    for (const QByteArray &contents : parts) {
        for (qsizetype written = 0; written < contents.size();) {
            const qint64 count
                = file.write(contents.constData() + written, contents.size() - written);
            if (count <= 0)
                return false;
            written += count;
        }
    }
    return file.flush() || file.flush();
}

bool write(const QString &fileName, const QByteArray &contents, QString &reason)
{
    return write(fileName, QList<QByteArray> {contents}, reason);
}

bool write(const QString &fileName, const QList<QByteArray> &parts, QString &reason)
{
    // QSaveFile would replace a FIFO or a device node with a plain file.
    const QFileInfo target(fileName);
    if (target.exists() && !target.isFile()) {
        reason = QCoreApplication::translate("frmMain", "It exists and is not a regular file.");
        return false;
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        reason = file.errorString();
        return false;
    }
    if (!writeAll(file, parts)) {
        reason = file.error() != QFileDevice::NoError
            ? file.errorString()
            : QCoreApplication::translate("frmMain", "Not every byte was written.");
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        reason = file.errorString();
        return false;
    }
    return true;
}

} // namespace AtomicFile
