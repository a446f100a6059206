// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/xmlguard.h"

#include "document/meetingfile.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringDecoder>

#include <optional>

namespace MeetingFile {

namespace {

class Guard
{
    Q_DECLARE_TR_FUNCTIONS(MeetingFile)
};

bool startsWith(const QByteArray &bytes, std::initializer_list<unsigned char> prefix)
{
    if (bytes.size() < qsizetype(prefix.size()))
        return false;
    qsizetype i = 0;
    for (const unsigned char byte : prefix) {
        if (static_cast<unsigned char>(bytes[i++]) != byte)
            return false;
    }
    return true;
}

// The encoding the first bytes show: a byte order mark, or "<?" in UTF-16 or UTF-32.
std::optional<QStringConverter::Encoding> encodingOfFirstBytes(const QByteArray &bytes)
{
    using E = QStringConverter::Encoding;
    if (startsWith(bytes, {0xef, 0xbb, 0xbf}))
        return E::Utf8;
    if (startsWith(bytes, {0xff, 0xfe, 0, 0}) || startsWith(bytes, {'<', 0, 0, 0}))
        return E::Utf32LE;
    if (startsWith(bytes, {0, 0, 0xfe, 0xff}) || startsWith(bytes, {0, 0, 0, '<'}))
        return E::Utf32BE;
    if (startsWith(bytes, {0xff, 0xfe}) || startsWith(bytes, {'<', 0, '?', 0}))
        return E::Utf16LE;
    if (startsWith(bytes, {0xfe, 0xff}) || startsWith(bytes, {0, '<', 0, '?'}))
        return E::Utf16BE;
    return std::nullopt;
}

// The name in the XML declaration's encoding="...", or an empty string.
QString declaredEncoding(const QByteArray &bytes)
{
    if (!bytes.startsWith("<?xml"))
        return QString();
    const qsizetype end = bytes.indexOf("?>");
    if (end < 0)
        return QString();
    static const QRegularExpression encoding(
        QStringLiteral(R"(\sencoding\s*=\s*(["'])([A-Za-z][A-Za-z0-9._-]*)\1)"));
    const QRegularExpressionMatch match
        = encoding.match(QString::fromLatin1(QByteArrayView(bytes).first(end)));
    return match.captured(2);
}

// A declaration naming UTF-16 or UTF-32 cannot describe bytes without the pattern those show;
// such bytes are read as UTF-8, as a parser given them would.
bool namesWideEncoding(const QString &name)
{
    return name.startsWith(QLatin1String("UTF-16"), Qt::CaseInsensitive)
        || name.startsWith(QLatin1String("UTF-32"), Qt::CaseInsensitive)
        || name.startsWith(QLatin1String("UCS"), Qt::CaseInsensitive);
}

QStringDecoder decoderFor(const QByteArray &bytes, QString &reason)
{
    // Stateless: bytes cut off inside a character count as an error, not as pending input.
    constexpr auto flags = QStringConverter::Flag::Stateless;
    if (const auto encoding = encodingOfFirstBytes(bytes))
        return QStringDecoder(*encoding, flags);
    const QString declared = declaredEncoding(bytes);
    if (declared.isEmpty() || namesWideEncoding(declared))
        return QStringDecoder(QStringConverter::Utf8, flags);
    QStringDecoder decoder(declared.toLatin1().constData(), flags);
    if (!decoder.isValid())
        reason = Guard::tr("the encoding %1 is not supported").arg(declared);
    return decoder;
}

// One pass over the characters that measures nesting and attributes as the parser will meet them.
class Scanner
{
public:
    explicit Scanner(QStringView text)
        : text(text)
    { }

    bool run(QString &reason);

private:
    bool startsWithHere(QStringView prefix) const { return text.sliced(at).startsWith(prefix); }
    void skipPast(QStringView terminator);
    bool scanStartTag(QString &reason);

    QStringView text;
    qsizetype at = 0;
    int depth = 0;
};

void Scanner::skipPast(QStringView terminator)
{
    const qsizetype found = text.indexOf(terminator, at);
    at = found < 0 ? text.size() : found + terminator.size();
}

bool Scanner::scanStartTag(QString &reason)
{
    int attributes = 0;
    QChar quote;
    for (; at < text.size(); ++at) {
        const QChar c = text[at];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'=') {
            if (++attributes > maxAttributes) {
                reason = Guard::tr("an element has more than %1 attributes").arg(maxAttributes);
                return false;
            }
        } else if (c == u'>') {
            const bool empty = text[at - 1] == u'/';
            ++at;
            if (!empty && ++depth > maxDepth) {
                reason = Guard::tr("elements are nested deeper than %1 levels").arg(maxDepth);
                return false;
            }
            return true;
        }
    }
    return true;
}

bool Scanner::run(QString &reason)
{
    while ((at = text.indexOf(u'<', at)) >= 0) {
        ++at;
        if (startsWithHere(u"!--")) {
            skipPast(u"-->");
        } else if (startsWithHere(u"![CDATA[")) {
            skipPast(u"]]>");
        } else if (startsWithHere(u"!")) {
            // Entities are declared there; a meeting document never needs one.
            reason = Guard::tr("the document has a document type declaration, which a "
                               "meeting document never has");
            return false;
        } else if (startsWithHere(u"?")) {
            skipPast(u"?>");
        } else if (startsWithHere(u"/")) {
            --depth;
            skipPast(u">");
        } else if (!scanStartTag(reason)) {
            return false;
        }
    }
    return true;
}

} // namespace

bool decode(const QByteArray &bytes, QString &text, QString &reason)
{
    QStringDecoder decoder = decoderFor(bytes, reason);
    if (!decoder.isValid())
        return false;
    text = decoder.decode(bytes);
    if (decoder.hasError()) {
        reason = Guard::tr("the file is not valid %1").arg(QString::fromLatin1(decoder.name()));
        text.clear();
        return false;
    }
    return true;
}

bool withinLimits(QStringView text, QString &reason)
{
    return Scanner(text).run(reason);
}

} // namespace MeetingFile
