// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TEXTFIELDS_H
#define TEXTFIELDS_H

#include <QLatin1String>
#include <QString>

#include "document/meetingfile.h"
#include "model/meeting.h"

// The field elements that hold one text member of a record, in the order the writer writes
// them. Writer and reader walk the same tables.
namespace MeetingFile {

template<typename Record> struct TextField
{
    QLatin1String tag;
    QString Record::*member;
};

inline constexpr TextField<Meeting> headerFields[] = {
    {Tag::place, &Meeting::place},
    {Tag::decision, &Meeting::decisionText},
    {Tag::notes, &Meeting::notes},
};

inline constexpr TextField<Participant> personFields[] = {
    {Tag::firstName, &Participant::firstName},   {Tag::secondName, &Participant::secondName},
    {Tag::occupation, &Participant::occupation}, {Tag::email, &Participant::email},
    {Tag::phone, &Participant::phone},
};

// A problem's decision and responsibles follow these, and are elements of their own kind.
inline constexpr TextField<Problem> problemFields[] = {
    {Tag::shortDescription, &Problem::shortDescription},
    {Tag::fullDescription, &Problem::fullDescription},
    {Tag::notes, &Problem::notes},
};

} // namespace MeetingFile

#endif // TEXTFIELDS_H
