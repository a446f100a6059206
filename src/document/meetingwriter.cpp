// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/meetingwriter.h"

#include "document/meetingfile.h"
#include "document/textfields.h"

namespace MeetingFile {

namespace {

// Appends text as QDom escapes it: '<' and '&' everywhere, '>' after "]]", a carriage return as
// a reference (a parser would turn it into a line feed); in attribute values also the double
// quote, and line feed and tab, which attribute normalisation would turn into blanks. Characters
// XML cannot carry are dropped on the way, before the "]]>" check sees them.
void appendEscaped(QString &out, QStringView text, bool attribute)
{
    const QChar *chars = text.data();
    const qsizetype size = text.size();
    qsizetype start = 0; // the first character not yet appended
    char16_t before = 0; // the two characters kept last, for "]]>"
    char16_t last = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = chars[i].unicode();
        QLatin1String replacement;
        bool drop = false;
        if (QChar::isHighSurrogate(c) && i + 1 < size
            && QChar::isLowSurrogate(chars[i + 1].unicode())) {
            before = last = 0;
            ++i;
            continue;
        }
        switch (c) {
        case '<':
            replacement = QLatin1String("&lt;");
            break;
        case '&':
            replacement = QLatin1String("&amp;");
            break;
        case '>':
            if (before == u']' && last == u']')
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
            drop = !isXmlCharacter(c);
            break;
        }
        if (!drop) {
            before = last;
            last = c;
        }
        if (replacement.isNull() && !drop)
            continue;
        out.append(QStringView(chars + start, i - start));
        if (!drop)
            out.append(replacement);
        start = i + 1;
    }
    out.append(QStringView(chars + start, size - start));
}

// Builds the text one element at a time, indented by one space per level. Every element
// carries at most two attributes.
class TreeText
{
public:
    QString text;

    // An element holding one text.
    void field(int depth, QLatin1String tag, const QString &value,
               QLatin1String attribute = QLatin1String(), const QString &attributeValue = {},
               QLatin1String secondAttribute = QLatin1String(), const QString &secondValue = {})
    {
        indent(depth);
        openTag(tag, attribute, attributeValue);
        appendAttribute(secondAttribute, secondValue);
        text.append(u'>');
        appendEscaped(text, value, false);
        closeTag(tag);
    }

    // The start tag of an element holding elements; `empty` closes it at once.
    void start(int depth, QLatin1String tag, QLatin1String attribute = QLatin1String(),
               const QString &attributeValue = {}, bool empty = false)
    {
        indent(depth);
        openTag(tag, attribute, attributeValue);
        text.append(empty ? QLatin1String("/>\n") : QLatin1String(">\n"));
    }

    void end(int depth, QLatin1String tag)
    {
        indent(depth);
        closeTag(tag);
    }

private:
    void indent(int depth) { text.append(QStringView(spaces).left(depth)); }

    void openTag(QLatin1String tag, QLatin1String attribute, const QString &value)
    {
        text.append(u'<').append(tag);
        appendAttribute(attribute, value);
    }

    // Nothing for a null name.
    void appendAttribute(QLatin1String name, const QString &value)
    {
        if (name.isNull())
            return;
        text.append(u' ').append(name).append(QLatin1String("=\""));
        appendEscaped(text, value, true);
        text.append(u'"');
    }

    void closeTag(QLatin1String tag)
    {
        text.append(QLatin1String("</")).append(tag).append(QLatin1String(">\n"));
    }

    const QString spaces = QString(maxDepth, u' ');
};

template<typename Record, std::size_t N>
void writeFields(TreeText &out, int depth, const Record &record,
                 const TextField<Record> (&fields)[N])
{
    for (const TextField<Record> &field : fields)
        out.field(depth, field.tag, record.*field.member);
}

// A list element with its count; an empty list is one empty element.
template<typename T, typename WriteItem>
void writeList(TreeText &out, int depth, QLatin1String tag, const QList<T *> &items,
               WriteItem writeItem)
{
    out.start(depth, tag, Attribute::count, QString::number(items.size()), items.isEmpty());
    if (items.isEmpty())
        return;
    for (const T *item : items)
        writeItem(*item);
    out.end(depth, tag);
}

void writePersons(TreeText &out, int depth, QLatin1String listTag, QLatin1String itemTag,
                  const QList<Participant *> &persons)
{
    writeList(out, depth, listTag, persons, [&](const Participant &person) {
        out.start(depth + 1, itemTag);
        writeFields(out, depth + 2, person, personFields);
        out.end(depth + 1, itemTag);
    });
}

void writeProblem(TreeText &out, int depth, const Problem &problem)
{
    out.start(depth, Tag::problem);
    writeFields(out, depth + 1, problem, problemFields);
    // The done mark only when set, so a meeting with no decision done writes what it always did.
    const Decision &decision = *problem.decision;
    out.field(depth + 1, Tag::decision, decision.text, Attribute::date, textDate(decision.due),
              decision.isDone() ? Attribute::done : QLatin1String(), textDate(decision.done));
    writePersons(out, depth + 1, Tag::responsibles, Tag::responsible, *problem.responsibles);
    out.end(depth, Tag::problem);
}

} // namespace

QString meetingText(const Meeting &meeting)
{
    TreeText out;
    out.start(0, Tag::meeting, Attribute::about, meeting.subject);
    out.start(1, Tag::header, Attribute::date, textDate(meeting.date));
    writeFields(out, 2, meeting, headerFields);
    out.end(1, Tag::header);
    writePersons(out, 1, Tag::participants, Tag::participant, *meeting.participants);
    writeList(out, 1, Tag::problems, *meeting.problems,
              [&](const Problem &problem) { writeProblem(out, 2, problem); });
    out.end(0, Tag::meeting);
    return out.text;
}

} // namespace MeetingFile
