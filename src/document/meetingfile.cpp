#include "document/meetingfile.h"

#include "document/xmlguard.h"

#include <QCoreApplication>
#include <QXmlStreamReader>

#include <cstring>

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

// Every character of the tree is one Latin-1 byte or a character reference, so the bytes agree
// with the declaration whatever the text holds. Written into a buffer sized up front: this runs
// over every character of every saved document.
static QByteArray latin1WithReferences(const QString &text)
{
    const QChar *chars = text.constData();
    const qsizetype size = text.size();
    QByteArray out(size, Qt::Uninitialized);
    char *at = out.data();
    qsizetype written = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = chars[i].unicode();
        if (c < 0x100) {
            at[written++] = char(c);
            continue;
        }
        char32_t codePoint = c;
        if (QChar::isHighSurrogate(c) && i + 1 < size
            && QChar::isLowSurrogate(chars[i + 1].unicode())) {
            codePoint = QChar::surrogateToUcs4(c, chars[++i].unicode());
        } else if (!isXmlCharacter(c)) {
            continue;
        }
        const QByteArray reference = "&#" + QByteArray::number(uint(codePoint)) + ';';
        // Room for this reference and one byte for each character still to come.
        out.resize(written + reference.size() + (size - i - 1));
        at = out.data();
        std::memcpy(at + written, reference.constData(), reference.size());
        written += reference.size();
    }
    out.resize(written);
    return out;
}

QByteArray fileContents(const QString &tree)
{
    static const char header[] = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                                 "<?xml-stylesheet type=\"text/xsl\" href=\"mootrak.xsl\"?>\n";
    QByteArray contents = header + latin1WithReferences(tree);
    contents.append('\n');
    return contents;
}

bool parse(QByteArray contents, QDomDocument &document, QString &errorMessage)
{
    if (contents.size() > maxFileSize) {
        errorMessage = tooLargeMessage();
        return false;
    }
    QString text;
    if (!decode(contents, text, errorMessage) || !withinLimits(text, errorMessage))
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
    errorMessage = QCoreApplication::translate("MeetingFile", "%1 (line %2, column %3)")
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

} // namespace MeetingFile
