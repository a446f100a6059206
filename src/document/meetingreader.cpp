// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/meetingreader.h"

#include "app/trace.h"
#include "document/meetingfile.h"
#include "document/textfields.h"

namespace MeetingFile {

// Element names match without regard to case: the name in upper case against the tag in upper
// case. ASCII names, which every real document has, take the cheap road.
static char16_t asciiUpper(char16_t c)
{
    return c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c;
}

static bool nameMatches(const QString &name, QLatin1String tag)
{
    bool ascii = true;
    bool equal = name.size() == tag.size();
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name.at(i).unicode();
        if (c >= 0x80) {
            ascii = false;
            break;
        }
        if (equal && asciiUpper(c) != asciiUpper(tag.at(i).unicode()))
            equal = false;
    }
    if (ascii)
        return equal;
    return name.toUpper() == QString(tag).toUpper(); // a few letters change length in upper case
}

// The value of a field element is the value of its first child; none gives an empty value.
static QString fieldValue(const QDomNode &node)
{
    const QDomNode first = node.firstChild();
    return first.isNull() ? QLatin1String("") : first.nodeValue();
}

static QDateTime dateAttribute(const QDomNode &node)
{
    return dateFromText(node.toElement().attribute(Attribute::date));
}

// A mark that is not a date leaves the decision open; the file still opens.
static QDateTime doneAttribute(const QDomNode &decision)
{
    const QDateTime done = dateFromText(decision.toElement().attribute(Attribute::done));
    return done.isValid() ? done : QDateTime();
}

// Sets the member that the element named `name` holds; false when no field has that name.
template<typename Record, std::size_t N>
static bool readTextField(const QDomNode &element, const QString &name,
                          const TextField<Record> (&fields)[N], Record &record)
{
    for (const TextField<Record> &field : fields) {
        if (nameMatches(name, field.tag)) {
            record.*field.member = fieldValue(element);
            return true;
        }
    }
    return false;
}

static QList<Participant *> *readPersons(const QDomNode &list, QLatin1String itemName,
                                         RecordStore &records)
{
    auto *persons = records.make<QList<Participant *>>();
    for (QDomNode child = list.firstChild(); !child.isNull(); child = child.nextSibling()) {
        if (nameMatches(child.nodeName(), itemName))
            persons->append(readParticipant(child, records));
    }
    return persons;
}

static void traceStep(int child, int step)
{
    if (tracing())
        qDebug().noquote() << QString::number(child) + QLatin1String("  ") + QString::number(step);
}

Meeting *readMeeting(const QDomDocument &document)
{
    // The lists come from the document; those it lacks are made empty at the end.
    auto *meeting = new Meeting(nullptr, nullptr);
    QDomElement root = document.documentElement(); // QDom reads through non-const handles
    trace(root.tagName());
    const QDomAttr about = root.attributeNode(Attribute::about);
    if (!about.isNull())
        meeting->subject = about.value();

    int i = 0;
    for (QDomNode child = root.firstChild(); !child.isNull(); child = child.nextSibling(), ++i) {
        const QString name = child.nodeName();
        traceStep(i, 1);
        if (nameMatches(name, Tag::header))
            readHeader(child, *meeting);
        traceStep(i, 2);
        if (nameMatches(name, Tag::participants))
            meeting->participants = readPersons(child, Tag::participant, meeting->records);
        traceStep(i, 3);
        if (nameMatches(name, Tag::problems))
            readProblems(child, *meeting);
        traceStep(i, 4);
    }
    if (!meeting->participants)
        meeting->participants = meeting->records.make<QList<Participant *>>();
    if (!meeting->problems)
        meeting->problems = meeting->records.make<QList<Problem *>>();
    trace(QStringLiteral("readXml DONE"));
    return meeting;
}

void readHeader(const QDomNode &header, Meeting &meeting)
{
    if (!nameMatches(header.nodeName(), Tag::header))
        return;
    meeting.date = dateAttribute(header);
    for (QDomNode child = header.firstChild(); !child.isNull(); child = child.nextSibling())
        readTextField(child, child.nodeName(), headerFields, meeting);
}

QList<Participant *> *readParticipants(const QDomNode &list, const QString &itemName,
                                       RecordStore &records)
{
    const QByteArray latin1 = itemName.toLatin1();
    return readPersons(list, QLatin1String(latin1), records);
}

Participant *readParticipant(const QDomNode &person, RecordStore &records)
{
    auto *participant = records.make<Participant>();
    for (const auto &field : personFields)
        participant->*field.member = QLatin1String("");
    for (QDomNode child = person.firstChild(); !child.isNull(); child = child.nextSibling())
        readTextField(child, child.nodeName(), personFields, *participant);
    return participant;
}

// Every child of the list becomes a problem, whatever its name or kind (a comment too).
void readProblems(const QDomNode &list, Meeting &meeting)
{
    auto *problems = meeting.records.make<QList<Problem *>>();
    for (QDomNode child = list.firstChild(); !child.isNull(); child = child.nextSibling())
        problems->append(readProblem(child, meeting.records));
    meeting.problems = problems;
}

// The due date is the document's, null without a decision element: never the moment of reading.
Problem *readProblem(const QDomNode &problem, RecordStore &records)
{
    const QString empty = QLatin1String("");
    auto *decision = records.make<Decision>(empty, QDateTime());
    auto *record = records.make<Problem>(empty, empty, decision, nullptr);
    record->notes = empty;
    for (QDomNode child = problem.firstChild(); !child.isNull(); child = child.nextSibling()) {
        const QString name = child.nodeName();
        if (readTextField(child, name, problemFields, *record))
            continue;
        if (nameMatches(name, Tag::decision)) {
            decision->text = fieldValue(child);
            decision->due = dateAttribute(child);
            decision->done = doneAttribute(child);
        } else if (nameMatches(name, Tag::responsibles)) {
            record->responsibles = readPersons(child, Tag::responsible, records);
        }
    }
    if (!record->responsibles)
        record->responsibles = records.make<QList<Participant *>>();
    return record;
}

} // namespace MeetingFile
