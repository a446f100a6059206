// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DOCUMENTS_H
#define DOCUMENTS_H

#include <QByteArray>
#include <QFile>
#include <QScopeGuard>
#include <QString>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>

#include "document/meetingfile.h"
#include "document/meetingwriter.h"

inline bool writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The meeting's document, as Save writes it.
inline QByteArray written(const Meeting &meeting)
{
    return MeetingFile::fileContents(MeetingFile::meetingText(meeting));
}

// Until the guard goes, no file grows past `bytes`: a write beyond fails as on a full disk, also
// for root. RLIM_INFINITY keeps the limit there is.
[[nodiscard]] inline auto limitFileSize(rlim_t bytes)
{
    rlimit saved;
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit small {std::min(bytes, saved.rlim_cur), saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    return qScopeGuard([saved, handler] {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, handler);
    });
}

#endif // DOCUMENTS_H
