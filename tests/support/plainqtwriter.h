// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PLAINQTWRITER_H
#define PLAINQTWRITER_H

#include <QDomDocument>

#include "document/meetingfile.h"
#include "document/textfields.h"
#include "model/meeting.h"

// The meeting's tree built the plain Qt way, one element, attribute and text node at a time,
// and written with toString(1): what the writer's text must equal, and the yardstick of its
// speed. It drops no characters, so it is for texts XML can carry.
namespace PlainQtWriter {

template<typename Record, std::size_t N>
void appendFields(QDomElement &parent, const Record &record,
                  const MeetingFile::TextField<Record> (&fields)[N])
{
    QDomDocument document = parent.ownerDocument();
    for (const auto &field : fields) {
        QDomElement element = document.createElement(field.tag);
        element.appendChild(document.createTextNode(record.*field.member));
        parent.appendChild(element);
    }
}

inline void appendPersons(QDomElement &parent, const QString &group, const QString &tag,
                          const QList<Participant *> &persons)
{
    QDomDocument document = parent.ownerDocument();
    QDomElement list = document.createElement(group);
    list.setAttribute(MeetingFile::Attribute::count, QString::number(persons.size()));
    for (const Participant *person : persons) {
        QDomElement item = document.createElement(tag);
        appendFields(item, *person, MeetingFile::personFields);
        list.appendChild(item);
    }
    parent.appendChild(list);
}

inline QString text(const Meeting &meeting)
{
    using namespace MeetingFile;
    QDomDocument document;
    QDomElement root = document.createElement(Tag::meeting);
    root.setAttribute(Attribute::about, meeting.subject);
    document.appendChild(root);
    QDomElement header = document.createElement(Tag::header);
    header.setAttribute(Attribute::date, textDate(meeting.date));
    appendFields(header, meeting, headerFields);
    root.appendChild(header);
    appendPersons(root, Tag::participants, Tag::participant, *meeting.participants);
    QDomElement problems = document.createElement(Tag::problems);
    problems.setAttribute(Attribute::count, QString::number(meeting.problems->size()));
    for (const Problem *problem : std::as_const(*meeting.problems)) {
        QDomElement item = document.createElement(Tag::problem);
        appendFields(item, *problem, problemFields);
        QDomElement decision = document.createElement(Tag::decision);
        decision.setAttribute(Attribute::date, textDate(problem->decision->due));
        decision.appendChild(document.createTextNode(problem->decision->text));
        item.appendChild(decision);
        appendPersons(item, Tag::responsibles, Tag::responsible, *problem->responsibles);
        problems.appendChild(item);
    }
    root.appendChild(problems);
    return document.toString(1);
}

} // namespace PlainQtWriter

#endif // PLAINQTWRITER_H
