#include "document/meetingfile.h"

#include "document/xmlguard.h"

#include <QCoreApplication>
#include <QXmlStreamReader>

#include <cstring>

namespace MeetingFile {

static bool isXmlChar(char32_t c)
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
        } else if (!isXmlChar(c)) {
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
        } else if (!isXmlChar(c)) {
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

// Escapes as QDom does: '<' and '&' everywhere, '>' after "]]", a carriage return as a
// reference (a parser would turn it into a line feed); in attribute values also the double
// quote, and line feed and tab, which attribute normalisation would turn into blanks.
static void appendEscaped(QString &out, const QString &text, bool attribute)
{
    const QChar *chars = text.constData();
    const qsizetype size = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        QLatin1String replacement;
        switch (chars[i].unicode()) {
        case '<':
            replacement = QLatin1String("&lt;");
            break;
        case '&':
            replacement = QLatin1String("&amp;");
            break;
        case '>':
            if (i >= 2 && chars[i - 1] == u']' && chars[i - 2] == u']')
                replacement = QLatin1String("&gt;");
            break;
        case '\r':
            replacement = QLatin1String("&#xd;");
            break;
        case '"':
            if (attribute)
                replacement = QLatin1String("&quot;");
            break;
        case '\n':
            if (attribute)
                replacement = QLatin1String("&#xa;");
            break;
        case '\t':
            if (attribute)
                replacement = QLatin1String("&#x9;");
            break;
        default:
            break;
        }
        if (replacement.isNull())
            continue;
        out.append(QStringView(chars + start, i - start)).append(replacement);
        start = i + 1;
    }
    out.append(QStringView(chars + start, size - start));
}

static void appendIndent(QString &out, int depth)
{
    static const QString spaces(maxDepth, u' ');
    out.append(QStringView(spaces).left(depth));
}

static void appendElement(QString &out, const QDomElement &element, int depth)
{
    appendIndent(out, depth);
    out.append(u'<').append(element.tagName());
    const QDomNamedNodeMap attributes = element.attributes();
    for (int i = 0; i < attributes.count(); ++i) {
        const QDomAttr attribute = attributes.item(i).toAttr();
        out.append(u' ').append(attribute.name()).append(QLatin1String("=\""));
        appendEscaped(out, attribute.value(), true);
        out.append(u'"');
    }
    const QDomNode first = element.firstChild();
    if (first.isNull()) {
        out.append(QLatin1String("/>\n"));
        return;
    }
    if (first.isText()) {
        out.append(u'>');
        appendEscaped(out, first.nodeValue(), false);
    } else {
        out.append(QLatin1String(">\n"));
        for (QDomNode child = first; !child.isNull(); child = child.nextSibling())
            appendElement(out, child.toElement(), depth + 1);
        appendIndent(out, depth);
    }
    out.append(QLatin1String("</")).append(element.tagName()).append(QLatin1String(">\n"));
}

QString treeText(const QDomDocument &document)
{
    QString out;
    out.reserve(4096);
    appendElement(out, document.documentElement(), 0);
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
