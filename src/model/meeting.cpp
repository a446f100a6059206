// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/meeting.h"

#include <limits>

// Whole seconds: a meeting file keeps no more, so a saved and reopened date stays equal.
QDateTime wholeSecondsNow()
{
    return QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch());
}

Decision::Decision()
    : due(wholeSecondsNow())
{ }

Decision::Decision(const QString &text, const QDateTime &due)
    : text(text)
    , due(due)
{ }

qint64 Decision::dueOrder() const
{
    return due.isValid() ? due.toMSecsSinceEpoch() : std::numeric_limits<qint64>::max();
}

Problem::Problem(RecordStore &records)
    : responsibles(records.make<QList<Participant *>>())
    , decision(records.make<Decision>())
{ }

Problem::Problem(RecordStore &records, const QString &shortDescription,
                 const QString &fullDescription)
    : Problem(records)
{
    this->shortDescription = shortDescription;
    this->fullDescription = fullDescription;
}

Problem::Problem(const QString &shortDescription, const QString &fullDescription,
                 Decision *decision, QList<Participant *> *responsibles)
    : shortDescription(shortDescription)
    , fullDescription(fullDescription)
    , responsibles(responsibles)
    , decision(decision)
{ }

// The lists start empty rather than absent, so no reader of a meeting meets a null list.
Meeting::Meeting()
    : Meeting(nullptr, nullptr)
{
    participants = records.make<QList<Participant *>>();
    problems = records.make<QList<Problem *>>();
}

Meeting::Meeting(QList<Participant *> *participants, QList<Problem *> *problems)
    : participants(participants)
    , problems(problems)
    , fileName(QLatin1String(""))
{ }
