// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FOLLOWUP_H
#define FOLLOWUP_H

#include <QDateTime>
#include <QList>

#include "model/meeting.h"

// What a follow-up meeting takes over from the meeting before it: copies, made in the follow-up's
// store, so that editing either meeting never changes the other.
namespace FollowUp {

// A week after the meeting; now for a meeting without a date, or when that week is already past.
QDateTime nextDate(const QDateTime &date, const QDateTime &now);

Participant *personCopy(const Participant &person, RecordStore &records);
QList<Participant *> participantCopies(const Meeting &meeting, RecordStore &records);
// Every problem whose decision is still open, with its descriptions, decision, due date, notes
// and responsibles, in meeting order.
QList<Problem *> openProblemCopies(const Meeting &meeting, RecordStore &records);

} // namespace FollowUp

#endif // FOLLOWUP_H
