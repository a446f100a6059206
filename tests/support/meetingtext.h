#ifndef MEETINGTEXT_H
#define MEETINGTEXT_H

#include <QStringList>

#include "model/meeting.h"

// A meeting as one line of text, every field and every list in order, so that two meetings
// compare field for field and a failed comparison shows where they differ.
inline QString personText(const Participant &person)
{
    return QStringList {person.firstName, person.secondName, person.occupation, person.email,
                        person.phone}
        .join(QLatin1Char('/'));
}

inline QString dateText(const QDateTime &date)
{
    if (date.isNull())
        return QStringLiteral("null");
    return date.isValid() ? date.toString(Qt::ISODate) : QStringLiteral("invalid");
}

inline QString personsText(const QList<Participant *> &persons)
{
    QStringList texts;
    for (const Participant *person : persons)
        texts << personText(*person);
    return QLatin1Char('[') + texts.join(QLatin1String("; ")) + QLatin1Char(']');
}

inline QString problemText(const Problem &problem)
{
    return QStringList {problem.shortDescription,
                        problem.fullDescription,
                        problem.notes,
                        problem.decision->text,
                        dateText(problem.decision->due),
                        personsText(*problem.responsibles)}
        .join(QLatin1Char('|'));
}

inline QString meetingText(const Meeting &meeting)
{
    QStringList problems;
    for (const Problem *problem : std::as_const(*meeting.problems))
        problems << QLatin1Char('{') + problemText(*problem) + QLatin1Char('}');
    return QStringList {meeting.subject,
                        dateText(meeting.date),
                        meeting.place,
                        meeting.decisionText,
                        meeting.notes,
                        personsText(*meeting.participants),
                        problems.join(QLatin1Char(' '))}
        .join(QLatin1String(" || "));
}

#endif // MEETINGTEXT_H
