// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/htmlattachment.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace HtmlAttachment {

// The step that failed, in the words of the trace, and the system's text for its errno.
static QString failed(const char *step, int error)
{
    return QString::fromLatin1(step) + QLatin1String(": ") + qt_error_string(error);
}

// Returns 0 when every byte is written, else the errno of the write that failed.
static int writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            const int error = errno;
            if (error == EINTR)
                continue;
            return error;
        }
        // A write that takes nothing yet sets no error: the disk has no room left.
        if (written == 0)
            return ENOSPC;
        data += written;
        left -= written;
    }
    return 0;
}

QString write(const QByteArray &html, QString &failure, const QByteArray &nameTemplate)
{
    QByteArray name = nameTemplate;
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        failure = failed("mkstemp failed", errno);
        return QString();
    }
    int error = writeAll(fd, html);
    // close() reports a delayed write error; the first failure is the one told.
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error != 0) {
        ::unlink(name.constData());
        failure = failed("TMP file not written", error);
        return QString();
    }
    return giveHtmlName(name, failure);
}

QString giveHtmlName(const QByteArray &name, QString &failure)
{
    const QByteArray htmlName = name + ".html";
    // The system's rename() replaces the entry itself; QFile::rename() would copy through a link.
    if (::rename(name.constData(), htmlName.constData()) != 0) {
        const int error = errno; // unlink() below would overwrite it
        ::unlink(name.constData());
        failure = failed("rename failed", error);
        return QString();
    }
    return QString::fromLocal8Bit(htmlName);
}

} // namespace HtmlAttachment
