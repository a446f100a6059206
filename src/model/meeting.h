// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MEETING_H
#define MEETING_H

#include <QDateTime>
#include <QList>
#include <QString>

#include "model/recordstore.h"

// The meeting records. They are plain data linked by pointers, and lists never own their
// records: a meeting's store does. Everything a meeting holds is freed with the meeting.

// The current moment to the second, as a meeting file can store it.
QDateTime wholeSecondsNow();

class Participant
{
public:
    virtual ~Participant() = default;

    QString firstName;
    QString secondName;
    QString occupation;
    QString email;
    QString phone;
};

class Decision
{
public:
    Decision();
    Decision(const QString &text, const QDateTime &due);
    virtual ~Decision() = default;

    bool isDone() const { return done.isValid(); }
    // Open and past its due date.
    bool isOverdueAt(const QDateTime &now) const { return !isDone() && due.isValid() && due < now; }
    // The due date in milliseconds since the epoch, the largest number for none: the order lists
    // sort by. Converting a local date takes a time zone lookup, so lists keep what this gives.
    qint64 dueOrder() const;

    QString text;
    QDateTime due;
    QDateTime done; // when the decision was marked done; null while it is open
};

class Problem
{
public:
    // A new problem with an empty responsibles list and a decision due now, made in `records`.
    explicit Problem(RecordStore &records);
    Problem(RecordStore &records, const QString &shortDescription, const QString &fullDescription);
    // A problem whose decision and responsibles were made elsewhere, as by the reader.
    Problem(const QString &shortDescription, const QString &fullDescription, Decision *decision,
            QList<Participant *> *responsibles);
    virtual ~Problem() = default; // the responsibles list and the decision stay alive

    QString shortDescription;
    QString fullDescription;
    QList<Participant *> *responsibles;
    Decision *decision;
    QString notes;
};

class Meeting
{
public:
    // A meeting with two new empty lists.
    Meeting();
    // A meeting holding lists made elsewhere; whoever made them hands their store over to
    // `records` (the wizard does) or makes them there (the reader does).
    Meeting(QList<Participant *> *participants, QList<Problem *> *problems);
    Meeting(const Meeting &) = delete;
    Meeting &operator=(const Meeting &) = delete;
    virtual ~Meeting() = default; // frees, through `records`, everything the meeting holds

    // Any edit: the meeting differs from its file, which a notification would otherwise send.
    void markModified()
    {
        modified = true;
        saved = false;
    }

    QString subject;
    QDateTime date;
    QString place;
    QString notes;
    QString decisionText;
    QList<Participant *> *participants;
    QList<Problem *> *problems;
    QString fileName;
    bool modified = true;
    bool saved = false;

    // Every list and record of this meeting, the problems' decisions and responsibles too.
    RecordStore records;
};

#endif // MEETING_H
