#include "model/meeting.h"

#include "model/recordstore.h"

Decision::Decision()
    : due(QDateTime::currentDateTime())
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

// The lists start empty rather than absent, so no reader of a meeting meets a null list.
Meeting::Meeting()
    : participants(RecordStore::make<QList<Participant *>>())
    , problems(RecordStore::make<QList<Problem *>>())
    , fileName(QLatin1String(""))
{ }
