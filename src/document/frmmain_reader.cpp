#include "app/frmmain.h"

#include "app/trace.h"
#include "document/meetingfile.h"
#include "document/textfields.h"
#include "model/recordstore.h"

using namespace MeetingFile;

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
    const QString text = node.toElement().attribute(Attribute::date);
    return text.isEmpty() ? QDateTime() : QDateTime::fromString(text, Qt::TextDate);
}

// Sets the member that the element named `name` holds; false when no field has that name.
template<typename Record, std::size_t N>
static bool readTextField(const QDomNode &element, const QString &name,
                          const TextField<Record> (&fields)[N], Record *record)
{
    for (const TextField<Record> &field : fields) {
        if (nameMatches(name, field.tag)) {
            record->*field.member = fieldValue(element);
            return true;
        }
    }
    return false;
}

Meeting *frmMain::readXmlFile(QDomDocument domTree)
{
    auto *meeting = RecordStore::make<Meeting>();
    QDomElement root = domTree.documentElement();
    trace(root.tagName());

    const QDomAttr about = root.attributeNode(Attribute::about);
    if (!about.isNull()) {
        meeting->subject = about.value();
        setWindowTitle(QLatin1String("::") + meeting->subject + QLatin1String("::"));
    }

    int i = 0;
    for (QDomNode child = root.firstChild(); !child.isNull(); child = child.nextSibling(), ++i) {
        const QString name = child.nodeName();
        const auto step = [i](int number) {
            if (tracing())
                qDebug().noquote()
                    << QString::number(i) + QLatin1String("  ") + QString::number(number);
        };
        step(1);
        if (nameMatches(name, Tag::header))
            readHeader(child, meeting);
        step(2);
        if (nameMatches(name, Tag::participants))
            meeting->participants = readParticipants(child, Tag::participant);
        step(3);
        if (nameMatches(name, Tag::problems))
            readProblems(child, meeting);
        step(4);
    }
    trace(QStringLiteral("readXml DONE"));
    return meeting;
}

void frmMain::readHeader(QDomNode parent, Meeting *meeting)
{
    if (!nameMatches(parent.nodeName(), Tag::header))
        return;
    meeting->date = dateAttribute(parent);
    for (QDomNode child = parent.firstChild(); !child.isNull(); child = child.nextSibling())
        readTextField(child, child.nodeName(), headerFields, meeting);
}

QList<Participant *> *frmMain::readParticipants(QDomNode parent, QString nodeName)
{
    auto *persons = RecordStore::make<QList<Participant *>>();
    const QByteArray itemName = nodeName.toLatin1();
    for (QDomNode child = parent.firstChild(); !child.isNull(); child = child.nextSibling()) {
        if (nameMatches(child.nodeName(), QLatin1String(itemName)))
            persons->append(readParticipant(child));
    }
    return persons;
}

Participant *frmMain::readParticipant(QDomNode parent)
{
    auto *person = RecordStore::make<Participant>();
    for (const auto &field : personFields)
        person->*field.member = QLatin1String("");
    for (QDomNode child = parent.firstChild(); !child.isNull(); child = child.nextSibling())
        readTextField(child, child.nodeName(), personFields, person);
    return person;
}

// Every child of the list becomes a problem, whatever its name or kind (a comment too).
void frmMain::readProblems(QDomNode parent, Meeting *meeting)
{
    auto *problems = RecordStore::make<QList<Problem *>>();
    for (QDomNode child = parent.firstChild(); !child.isNull(); child = child.nextSibling())
        problems->append(getProblem(child));
    meeting->problems = problems;
}

// The due date is the document's, null without a decision element: never the moment of reading.
Problem *frmMain::getProblem(QDomNode node)
{
    const QString empty = QLatin1String("");
    auto *decision = RecordStore::make<Decision>(empty, QDateTime());
    auto *problem = RecordStore::make<Problem>(empty, empty, decision, nullptr);
    problem->notes = empty;
    for (QDomNode child = node.firstChild(); !child.isNull(); child = child.nextSibling()) {
        const QString name = child.nodeName();
        if (readTextField(child, name, problemFields, problem))
            continue;
        if (nameMatches(name, Tag::decision)) {
            decision->text = fieldValue(child);
            decision->due = dateAttribute(child);
        } else if (nameMatches(name, Tag::responsibles)) {
            problem->responsibles = readParticipants(child, Tag::responsible);
        }
    }
    if (!problem->responsibles)
        problem->responsibles = RecordStore::make<QList<Participant *>>();
    return problem;
}
