// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DUEDATECALENDAR_H
#define DUEDATECALENDAR_H

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

class Meeting;
class Problem;

// The due dates of the decisions as an iCalendar file (RFC 5545), which calendar programs import
// as to-dos. libical builds, escapes and folds it.
namespace DueDateCalendar {

// A VCALENDAR with one VTODO per problem whose decision has a due date, in meeting order and then
// problem order; `now` is every to-do's DTSTAMP. A decision marked done is STATUS:COMPLETED with
// its COMPLETED moment, any other NEEDS-ACTION. UTF-8, CRLF line ends, lines folded at 75
// octets. A due date libical cannot write (outside the years 1 to 3000) counts as none.
// `todoCount` is set to how many to-dos the calendar holds. Empty, with no to-dos, when libical
// fails or cannot write `now`.
QByteArray text(const QList<Meeting *> &meetings, const QDateTime &now, int &todoCount);

// The to-do's UID: the SHA-1 of what identifies the problem, in hex, with "@mootrak" appended.
// That is the meeting's subject and date, the problem's short and full descriptions, and how many
// problems with the same two descriptions come before it in the meeting. Editing the decision,
// the due date, the notes or the responsibles keeps the UID, so a calendar that imported an
// earlier export updates its to-do rather than adding a second one. Editing the subject, the
// meeting date or either description, or removing an identical problem above it, gives a new one.
QString uid(const Meeting &meeting, const Problem &problem);

} // namespace DueDateCalendar

#endif // DUEDATECALENDAR_H
