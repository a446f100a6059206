#include "app/frmmain.h"

#include "app/trace.h"
#include "model/recordstore.h"

// Element names match without regard to case: the name in upper case against the expected
// upper-case name. ASCII names, which every real document has, take the cheap road.
static bool nameMatches(const QString &name, QLatin1String upperName)
{
    bool ascii = true;
    bool equal = name.size() == upperName.size();
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name.at(i).unicode();
        if (c >= 0x80) {
            ascii = false;
            break;
        }
        if (equal && (c >= 'a' && c <= 'z' ? c - 32 : c) != char16_t(upperName.at(i).unicode()))
            equal = false;
    }
    if (ascii)
        return equal;
    return name.toUpper() == upperName; // a few letters change length in upper case
}

// The value of a field element is the value of its first child; none gives an empty value.
static QString fieldValue(const QDomNode &node)
{
    const QDomNode first = node.firstChild();
    return first.isNull() ? QLatin1String("") : first.nodeValue();
}

static QDateTime dateAttribute(const QDomNode &node)
{
    const QString text = node.toElement().attribute(QStringLiteral("date"));
    return text.isEmpty() ? QDateTime() : QDateTime::fromString(text, Qt::TextDate);
}

Meeting *frmMain::readXmlFile(QDomDocument domTree)
{
    auto *meeting = RecordStore::make<Meeting>();
    QDomElement root = domTree.documentElement();
    trace(root.tagName());

    const QDomAttr about = root.attributeNode(QStringLiteral("about"));
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
        if (nameMatches(name, QLatin1String("HEADER")))
            readHeader(child, meeting);
        step(2);
        if (nameMatches(name, QLatin1String("PARTICIPANTS")))
            meeting->participants = readParticipants(child, QStringLiteral("PARTICIPANT"));
        step(3);
        if (nameMatches(name, QLatin1String("PROBLEMS")))
            readProblems(child, meeting);
        step(4);
    }
    trace(QStringLiteral("readXml DONE"));
    return meeting;
}

void frmMain::readHeader(QDomNode parent, Meeting *meeting)
{
    if (!nameMatches(parent.nodeName(), QLatin1String("HEADER")))
        return;
    meeting->date = dateAttribute(parent);
    for (QDomNode child = parent.firstChild(); !child.isNull(); child = child.nextSibling()) {
        const QString name = child.nodeName();
        if (nameMatches(name, QLatin1String("PLACE")))
            meeting->place = fieldValue(child);
        else if (nameMatches(name, QLatin1String("DECISION")))
            meeting->decisionText = fieldValue(child);
        else if (nameMatches(name, QLatin1String("NOTES")))
            meeting->notes = fieldValue(child);
    }
}

QList<Participant *> *frmMain::readParticipants(QDomNode parent, QString nodeName)
{
    auto *persons = RecordStore::make<QList<Participant *>>();
    const QString itemName = nodeName.toUpper();
    const QByteArray itemLatin1 = itemName.toLatin1();
    const QLatin1String expected(itemLatin1);
    for (QDomNode child = parent.firstChild(); !child.isNull(); child = child.nextSibling()) {
        if (nameMatches(child.nodeName(), expected))
            persons->append(readParticipant(child));
    }
    return persons;
}

Participant *frmMain::readParticipant(QDomNode parent)
{
    auto *person = RecordStore::make<Participant>();
    const QString empty = QLatin1String("");
    person->firstName = person->secondName = person->occupation = empty;
    person->email = person->phone = empty;
    for (QDomNode child = parent.firstChild(); !child.isNull(); child = child.nextSibling()) {
        const QString name = child.nodeName();
        if (nameMatches(name, QLatin1String("FIRST_NAME")))
            person->firstName = fieldValue(child);
        else if (nameMatches(name, QLatin1String("SECOND_NAME")))
            person->secondName = fieldValue(child);
        else if (nameMatches(name, QLatin1String("OCCUPATION")))
            person->occupation = fieldValue(child);
        else if (nameMatches(name, QLatin1String("EMAIL")))
            person->email = fieldValue(child);
        else if (nameMatches(name, QLatin1String("PHONE")))
            person->phone = fieldValue(child);
    }
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

Problem *frmMain::getProblem(QDomNode node)
{
    const QString empty = QLatin1String("");
    QString shortDescription = empty;
    QString fullDescription = empty;
    QString notes = empty;
    QString decisionText = empty;
    QDateTime due;
    QList<Participant *> *responsibles = nullptr;
    for (QDomNode child = node.firstChild(); !child.isNull(); child = child.nextSibling()) {
        const QString name = child.nodeName();
        if (nameMatches(name, QLatin1String("SHORT"))) {
            shortDescription = fieldValue(child);
        } else if (nameMatches(name, QLatin1String("FULL"))) {
            fullDescription = fieldValue(child);
        } else if (nameMatches(name, QLatin1String("NOTES"))) {
            notes = fieldValue(child);
        } else if (nameMatches(name, QLatin1String("DECISION"))) {
            decisionText = fieldValue(child);
            due = dateAttribute(child);
        } else if (nameMatches(name, QLatin1String("RESPONSIBLES"))) {
            responsibles = readParticipants(child, QStringLiteral("RESPONSIBLE"));
        }
    }

    // The due date is the document's, null without a decision element: never the moment of
    // reading.
    auto *decision = RecordStore::make<Decision>(decisionText, due);
    if (!responsibles)
        responsibles = RecordStore::make<QList<Participant *>>();
    auto *problem
        = RecordStore::make<Problem>(shortDescription, fullDescription, decision, responsibles);
    problem->notes = notes;
    return problem;
}
