#include "app/frmmain.h"

#include "document/meetingfile.h"

// Null or invalid dates occur only where a document left them out; they are written empty,
// which reads back as null.
static QString textDate(const QDateTime &dateTime)
{
    return dateTime.isValid() ? dateTime.toString(Qt::TextDate) : QLatin1String("");
}

QString frmMain::buildXmlString(int index)
{
    const Meeting *meeting = meetings->at(index);
    QDomDocument document;
    QDomElement root = document.createElement(QStringLiteral("meeting"));
    document.appendChild(root);
    addAttr(&root, QStringLiteral("about"), meeting->subject);

    QDomElement header = document.createElement(QStringLiteral("header"));
    root.appendChild(header);
    addAttr(&header, QStringLiteral("date"), textDate(meeting->date));
    addNode(&header, QStringLiteral("place"), meeting->place);
    addNode(&header, QStringLiteral("decision"), meeting->decisionText);
    addNode(&header, QStringLiteral("notes"), meeting->notes);

    addNodeParticipant(&root, QStringLiteral("participants"), QStringLiteral("participant"),
                       meeting->participants);
    addNodeProblem(&root, QStringLiteral("problems"), QStringLiteral("problem"), meeting->problems);
    return MeetingFile::treeText(document);
}

// The text node is made also for an empty text, so the element is written with empty content.
void frmMain::addNode(QDomElement *parent, QString element, QString text)
{
    QDomDocument document = parent->ownerDocument();
    QDomElement node = document.createElement(element);
    parent->appendChild(node);
    node.appendChild(document.createTextNode(MeetingFile::xmlSafe(text)));
}

void frmMain::addAttr(QDomElement *parent, QString element, QString text)
{
    QDomAttr attribute = parent->ownerDocument().createAttribute(element);
    parent->setAttributeNode(attribute);
    attribute.setValue(MeetingFile::xmlSafe(text));
}

// A list element, with the number of its items as its count, appended to the parent.
QDomElement frmMain::addListNode(QDomElement *parent, const QString &group, qsizetype count)
{
    QDomElement list = parent->ownerDocument().createElement(group);
    parent->appendChild(list);
    addAttr(&list, QStringLiteral("count"), QString::number(count));
    return list;
}

void frmMain::addNodeParticipant(QDomElement *parent, QString group, QString element,
                                 QList<Participant *> *parts)
{
    QDomDocument document = parent->ownerDocument();
    QDomElement list = addListNode(parent, group, parts->size());
    for (const Participant *person : std::as_const(*parts)) {
        QDomElement item = document.createElement(element);
        list.appendChild(item);
        addNode(&item, QStringLiteral("first_name"), person->firstName);
        addNode(&item, QStringLiteral("second_name"), person->secondName);
        addNode(&item, QStringLiteral("occupation"), person->occupation);
        addNode(&item, QStringLiteral("email"), person->email);
        addNode(&item, QStringLiteral("phone"), person->phone);
    }
}

void frmMain::addNodeProblem(QDomElement *parent, QString group, QString element,
                             QList<Problem *> *problems)
{
    QDomDocument document = parent->ownerDocument();
    QDomElement list = addListNode(parent, group, problems->size());
    for (const Problem *problem : std::as_const(*problems)) {
        QDomElement item = document.createElement(element);
        list.appendChild(item);
        addNode(&item, QStringLiteral("short"), problem->shortDescription);
        addNode(&item, QStringLiteral("full"), problem->fullDescription);
        addNode(&item, QStringLiteral("notes"), problem->notes);

        QDomElement decision = document.createElement(QStringLiteral("decision"));
        item.appendChild(decision);
        decision.appendChild(
            document.createTextNode(MeetingFile::xmlSafe(problem->decision->text)));
        addAttr(&decision, QStringLiteral("date"), textDate(problem->decision->due));

        addNodeParticipant(&item, QStringLiteral("responsibles"), QStringLiteral("responsible"),
                           problem->responsibles);
    }
}
