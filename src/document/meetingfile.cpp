// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/meetingfile.h"

#include "document/xmlguard.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

#include <algorithm>

namespace MeetingFile {

bool isXmlCharacter(char32_t c)
{
    if (c < 0x20)
        return c == 0x09 || c == 0x0A || c == 0x0D;
    if (c >= 0xD800 && c <= 0xDFFF)
        return false;
    return c != 0xFFFE && c != 0xFFFF;
}

QString textDate(const QDateTime &dateTime)
{
    return dateTime.isValid() ? dateTime.toString(Qt::TextDate) : QString();
}

QDateTime dateFromText(const QString &text)
{
    return text.isEmpty() ? QDateTime() : QDateTime::fromString(text, Qt::TextDate);
}

// One pass; the text is copied only from the first character that has to go.
QString xmlSafe(const QString &text)
{
    const QChar *chars = text.constData();
    const qsizetype size = text.size();
    QString cleaned;
    bool dropped = false;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = chars[i].unicode();
        qsizetype length = 1;
        if (QChar::isHighSurrogate(c) && i + 1 < size
            && QChar::isLowSurrogate(chars[i + 1].unicode())) {
            length = 2;
        } else if (!isXmlCharacter(c)) {
            if (!dropped) {
                cleaned.reserve(size);
                cleaned.append(chars, i);
                dropped = true;
            }
            continue;
        }
        if (dropped)
            cleaned.append(chars + i, length);
        i += length - 1;
    }
    return dropped ? cleaned : text;
}

// The code point at `i`, moving `i` past a surrogate pair; 0 for a character XML cannot carry.
static char32_t codePointAt(const QChar *chars, qsizetype size, qsizetype &i)
{
    const char16_t c = chars[i].unicode();
    if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(chars[i + 1].unicode()))
        return QChar::surrogateToUcs4(c, chars[++i].unicode());
    return isXmlCharacter(c) ? c : 0;
}

static int decimalDigits(char32_t value)
{
    int digits = 1;
    for (; value >= 10; value /= 10)
        ++digits;
    return digits;
}

// Writes "&#<decimal>;" at `at`, `digits` long in its decimal part; returns the end.
static char *writeReference(char *at, char32_t codePoint, int digits)
{
    *at++ = '&';
    *at++ = '#';
    for (int i = digits - 1; i >= 0; --i, codePoint /= 10)
        at[i] = char('0' + codePoint % 10);
    at += digits;
    *at++ = ';';
    return at;
}

// Every character of the tree is one Latin-1 byte or a character reference, so the bytes agree
// with the declaration whatever the text holds. This runs over every character of every saved
// document: one pass measures, the second writes into a buffer of exactly that size.
static qsizetype latin1Length(const QString &text)
{
    const QChar *chars = text.constData();
    const qsizetype size = text.size();
    qsizetype length = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (chars[i].unicode() < 0x100)
            ++length;
        else if (const char32_t codePoint = codePointAt(chars, size, i))
            length += 3 + decimalDigits(codePoint);
    }
    return length;
}

static char *writeLatin1(char *at, const QString &text)
{
    const QChar *chars = text.constData();
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (chars[i].unicode() < 0x100)
            *at++ = char(chars[i].unicode());
        else if (const char32_t codePoint = codePointAt(chars, size, i))
            at = writeReference(at, codePoint, decimalDigits(codePoint));
    }
    return at;
}

QByteArray fileContents(const QString &tree)
{
    static const QByteArray header = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                                     "<?xml-stylesheet type=\"text/xsl\" href=\""
        + stylesheetName.toLatin1() + "\"?>\n";
    QByteArray contents(header.size() + latin1Length(tree) + 1, Qt::Uninitialized);
    char *at = std::copy(header.begin(), header.end(), contents.data());
    *writeLatin1(at, tree) = '\n';
    return contents;
}

bool parse(QByteArray contents, QDomDocument &document, QString &reason)
{
    if (contents.size() > maxFileSize) {
        reason = tooLargeMessage();
        return false;
    }
    QString text;
    if (!decode(contents, text, reason) || !withinLimits(text, reason))
        return false;
    contents = QByteArray(); // large documents: keep one copy of the text at a time

    // Handed characters, the reader ignores the encoding the declaration names: decode() read it.
    QXmlStreamReader reader(text);
    text = QString();
    reader.setEntityExpansionLimit(0); // the five predefined entities and references still work
    int line = 0;
    int column = 0;
    QString message;
    if (document.setContent(&reader, false, &message, &line, &column))
        return true;
    reason = QCoreApplication::translate("MeetingFile", "%1 (line %2, column %3)")
                 .arg(message)
                 .arg(line)
                 .arg(column);
    return false;
}

QString tooLargeMessage()
{
    return QCoreApplication::translate("MeetingFile", "the file is larger than %1 MiB")
        .arg(maxFileSize / (1024 * 1024));
}

bool readRegularFile(const QString &fileName, QByteArray &contents, QString &reason)
{
    const QFileInfo info(fileName);
    if (info.exists() && !info.isFile()) {
        reason = QCoreApplication::translate("MeetingFile", "It is not a regular file.");
        return false;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString();
        return false;
    }
    contents = file.read(maxFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        reason = file.errorString();
        return false;
    }
    return true;
}

} // namespace MeetingFile
