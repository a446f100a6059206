#include "model/meeting.h"

#include "model/recordstore.h"

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

Problem::Problem()
    : responsibles(RecordStore::make<QList<Participant *>>())
    , decision(RecordStore::make<Decision>())
{ }

Problem::Problem(const QString &shortDescription, const QString &fullDescription)
    : Problem()
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
    : participants(RecordStore::make<QList<Participant *>>())
    , problems(RecordStore::make<QList<Problem *>>())
    , fileName(QLatin1String(""))
{ }
