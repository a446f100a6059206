// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmmain.h"

#include "document/meetingfile.h"
#include "document/meetingwriter.h"
#include "document/textfields.h"

using namespace MeetingFile;

// The text comes straight from the records; the element slots below build the same tree as DOM
// nodes for whoever wants one.
QString frmMain::buildXmlString(int index)
{
    return meetingText(*meetings->at(index));
}

// The text node is made also for an empty text, so the element is written with empty content.
void frmMain::addNode(QDomElement *parent, QString element, QString text)
{
    QDomDocument document = parent->ownerDocument();
    QDomElement node = document.createElement(element);
    parent->appendChild(node);
    node.appendChild(document.createTextNode(xmlSafe(text)));
}

void frmMain::addAttr(QDomElement *parent, QString element, QString text)
{
    QDomAttr attribute = parent->ownerDocument().createAttribute(element);
    parent->setAttributeNode(attribute);
    attribute.setValue(xmlSafe(text));
}

// A list element, with the number of its items as its count, appended to the parent.
QDomElement frmMain::addListNode(QDomElement *parent, const QString &group, qsizetype count)
{
    QDomElement list = parent->ownerDocument().createElement(group);
    parent->appendChild(list);
    addAttr(&list, Attribute::count, QString::number(count));
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
        for (const auto &field : personFields)
            addNode(&item, field.tag, person->*field.member);
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
        for (const auto &field : problemFields)
            addNode(&item, field.tag, problem->*field.member);

        QDomElement decision = document.createElement(Tag::decision);
        item.appendChild(decision);
        decision.appendChild(document.createTextNode(xmlSafe(problem->decision->text)));
        addAttr(&decision, Attribute::date, textDate(problem->decision->due));
        if (problem->decision->isDone())
            addAttr(&decision, Attribute::done, textDate(problem->decision->done));

        addNodeParticipant(&item, Tag::responsibles, Tag::responsible, problem->responsibles);
    }
}
