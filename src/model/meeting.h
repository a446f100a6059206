#ifndef MEETING_H
#define MEETING_H

#include <QDateTime>
#include <QList>
#include <QString>

// The meeting records. They are plain data linked by pointers; lists never own their records,
// and no record is destroyed while the program runs (see RecordStore).

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

    QString text;
    QDateTime due;
};

class Problem
{
public:
    Problem();
    Problem(const QString &shortDescription, const QString &fullDescription);
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
    Meeting();
    virtual ~Meeting() = default; // the two lists stay alive

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
};

#endif // MEETING_H
