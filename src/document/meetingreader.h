// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MEETINGREADER_H
#define MEETINGREADER_H

#include <QDomDocument>
#include <QDomNode>
#include <QList>
#include <QString>

#include "model/meeting.h"

// Turns a parsed meeting document into records. Element names match without regard to case,
// attribute names exactly; what a document leaves out stays empty, and what it holds that no
// rule reads is skipped. Nothing here touches a window or shared state, so any thread may read.
namespace MeetingFile {

// A new meeting, with everything it holds in its own store; the caller owns it.
Meeting *readMeeting(const QDomDocument &document);

// Sets the meeting's date, place, decision text and notes from a `header` element.
void readHeader(const QDomNode &header, Meeting &meeting);

// A new list, made in `records`, of the children of `list` named `itemName`.
QList<Participant *> *readParticipants(const QDomNode &list, const QString &itemName,
                                       RecordStore &records);
Participant *readParticipant(const QDomNode &person, RecordStore &records);

// Gives the meeting a new problems list: one problem for every child of `list`.
void readProblems(const QDomNode &list, Meeting &meeting);
Problem *readProblem(const QDomNode &problem, RecordStore &records);

} // namespace MeetingFile

#endif // MEETINGREADER_H
