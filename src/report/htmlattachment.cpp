#include "report/htmlattachment.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace HtmlAttachment {

static bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

QString write(const QByteArray &html, QString &failure, const QByteArray &nameTemplate)
{
    QByteArray name = nameTemplate;
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        failure = QStringLiteral("mkstemp failed");
        return QString();
    }
    const bool written = writeAll(fd, html);
    if (::close(fd) != 0 || !written) {
        ::unlink(name.constData());
        failure = QStringLiteral("TMP file not written");
        return QString();
    }
    return giveHtmlName(name, failure);
}

QString giveHtmlName(const QByteArray &name, QString &failure)
{
    const QByteArray htmlName = name + ".html";
    // The system's rename() replaces the entry itself; QFile::rename() would copy through a link.
    if (::rename(name.constData(), htmlName.constData()) != 0) {
        ::unlink(name.constData());
        failure = QStringLiteral("rename failed");
        return QString();
    }
    return QString::fromLocal8Bit(htmlName);
}

} // namespace HtmlAttachment
