// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SCANNEDMEETING_H
#define SCANNEDMEETING_H

#include <QDateTime>
#include <QList>
#include <QString>

#include <memory>

#include "model/meeting.h"

// One meeting file of a watched folder as last read: its meeting, or why it could not be read.
struct ScannedMeeting
{
    QString path;
    QString canonicalPath; // links resolved, to match a loaded meeting's file
    std::shared_ptr<Meeting> meeting; // null when unreadable or not a meeting document
    QList<qint64> dueOrders; // of the meeting's problems, made on the worker for the register
    QString reason; // why the file could not be read; empty when it was
    // What the file looked like when read, to tell whether it changed since.
    QDateTime modified;
    qint64 size = -1;

    bool isMeeting() const { return meeting != nullptr; }
    bool isUnreadable() const { return !reason.isEmpty(); }
};

// Reads the file as Open does, with the same guards and the same reasons. A well-formed document
// of another kind is neither a meeting nor unreadable. Safe to call on any thread.
ScannedMeeting scanMeetingFile(const QString &path);

#endif // SCANNEDMEETING_H
