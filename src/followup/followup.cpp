// SPDX-License-Identifier: GPL-3.0-or-later
#include "followup/followup.h"

namespace FollowUp {

QDateTime nextDate(const QDateTime &date, const QDateTime &now)
{
    const QDateTime weekLater = date.addDays(7);
    return date.isValid() && weekLater >= now ? weekLater : now;
}

Participant *personCopy(const Participant &person, RecordStore &records)
{
    auto *copy = records.make<Participant>();
    *copy = person;
    return copy;
}

static QList<Participant *> personCopies(const QList<Participant *> &persons, RecordStore &records)
{
    QList<Participant *> copies;
    copies.reserve(persons.size());
    for (const Participant *person : persons)
        copies.append(personCopy(*person, records));
    return copies;
}

QList<Participant *> participantCopies(const Meeting &meeting, RecordStore &records)
{
    return personCopies(*meeting.participants, records);
}

QList<Problem *> openProblemCopies(const Meeting &meeting, RecordStore &records)
{
    QList<Problem *> copies;
    for (const Problem *problem : std::as_const(*meeting.problems)) {
        if (problem->decision->isDone())
            continue;
        auto *copy
            = records.make<Problem>(records, problem->shortDescription, problem->fullDescription);
        copy->notes = problem->notes;
        *copy->decision = *problem->decision;
        *copy->responsibles = personCopies(*problem->responsibles, records);
        copies.append(copy);
    }
    return copies;
}

} // namespace FollowUp
