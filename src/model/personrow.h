// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PERSONROW_H
#define PERSONROW_H

#include <QString>
#include <QStringList>

#include "model/meeting.h"

// How a person reads in the list views: "Second, First", occupation, phone, e-mail.
namespace PersonRow {

inline QString displayName(const Participant &person)
{
    return person.secondName + QLatin1String(", ") + person.firstName;
}

inline QStringList columns(const Participant &person)
{
    return {displayName(person), person.occupation, person.phone, person.email};
}

} // namespace PersonRow

#endif // PERSONROW_H
