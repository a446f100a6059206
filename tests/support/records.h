// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef RECORDS_H
#define RECORDS_H

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QStringList>

#include "document/meetingwriter.h"
#include "model/meeting.h"

// Records as plain values, so that a test compares whole meetings with one QCOMPARE and a data
// row spells out the meeting it expects. Files, flags and record identity are not part of them.
struct Person
{
    QString first, second, occupation, email, phone;
    bool operator==(const Person &) const = default;
};

struct ProblemValue
{
    QString shortDescription, fullDescription, notes, decision;
    QDateTime due;
    QList<Person> responsibles;
    QDateTime done = {};
    bool operator==(const ProblemValue &) const = default;
};

struct MeetingValue
{
    QString subject;
    QDateTime date;
    QString place, decision, notes;
    QList<Person> participants;
    QList<ProblemValue> problems;
    bool operator==(const MeetingValue &) const = default;
};

inline Person valueOf(const Participant &person)
{
    return {person.firstName, person.secondName, person.occupation, person.email, person.phone};
}

inline QList<Person> valuesOf(const QList<Participant *> &persons)
{
    QList<Person> values;
    for (const Participant *person : persons)
        values << valueOf(*person);
    return values;
}

inline ProblemValue valueOf(const Problem &problem)
{
    return {problem.shortDescription, problem.fullDescription, problem.notes,
            problem.decision->text,   problem.decision->due,   valuesOf(*problem.responsibles),
            problem.decision->done};
}

inline MeetingValue valueOf(const Meeting &meeting)
{
    QList<ProblemValue> problems;
    for (const Problem *problem : std::as_const(*meeting.problems))
        problems << valueOf(*problem);
    return {meeting.subject, meeting.date,
            meeting.place,   meeting.decisionText,
            meeting.notes,   valuesOf(*meeting.participants),
            problems};
}

// The records a value spells out, made in the store of the meeting that will hold them; the
// meeting starts saved, and belongs to the caller (or the window it is loaded into).
inline Participant *recordOf(const Person &value, RecordStore &records)
{
    auto *person = records.make<Participant>();
    person->firstName = value.first;
    person->secondName = value.second;
    person->occupation = value.occupation;
    person->email = value.email;
    person->phone = value.phone;
    return person;
}

inline Problem *recordOf(const ProblemValue &value, RecordStore &records)
{
    auto *problem = records.make<Problem>(records, value.shortDescription, value.fullDescription);
    problem->notes = value.notes;
    problem->decision->text = value.decision;
    problem->decision->due = value.due;
    problem->decision->done = value.done;
    for (const Person &person : value.responsibles)
        problem->responsibles->append(recordOf(person, records));
    return problem;
}

// Meetings a test keeps to itself, never loaded into a window, go when the test program ends; one
// that a window frees takes itself off the list as it goes.
struct TestMeetings : QSet<Meeting *>
{
    ~TestMeetings() { qDeleteAll(QSet<Meeting *>(*this)); }
    static TestMeetings &alive()
    {
        static TestMeetings meetings;
        return meetings;
    }
    struct Unlisting
    {
        explicit Unlisting(Meeting *meeting)
            : meeting(meeting)
        { }
        ~Unlisting() { alive().remove(meeting); }
        Meeting *meeting;
    };
};

inline Meeting *recordOf(const MeetingValue &value)
{
    auto *meeting = new Meeting;
    meeting->records.make<TestMeetings::Unlisting>(meeting);
    TestMeetings::alive().insert(meeting);
    meeting->subject = value.subject;
    meeting->date = value.date;
    meeting->place = value.place;
    meeting->decisionText = value.decision;
    meeting->notes = value.notes;
    for (const Person &person : value.participants)
        meeting->participants->append(recordOf(person, meeting->records));
    for (const ProblemValue &problem : value.problems)
        meeting->problems->append(recordOf(problem, meeting->records));
    meeting->modified = false;
    meeting->saved = true;
    return meeting;
}

// What QCOMPARE prints when two meetings differ: each as the writer writes it.
inline char *toString(const MeetingValue &meeting)
{
    return qstrdup(qPrintable('\n' + MeetingFile::meetingText(*recordOf(meeting))));
}

// Records for the window tests. A meeting "S" with problems {"A", "B"} has participant Ann
// Smith; problem i has full description "A #i", decision "Decision on A #i", notes "Notes on
// A #i", due 2003-03-14 12:00:0i and responsible "R<i>" Doe. It starts saved.
inline Person personValue(const QString &first, const QString &second)
{
    return {first, second, first + QLatin1String(" works"),
            first.toLower() + QLatin1String("@example.org"), QStringLiteral("100")};
}

inline ProblemValue problemValue(const QString &shortDescription, int i)
{
    const QString full = shortDescription + QLatin1String(" #") + QString::number(i);
    return {shortDescription,
            full,
            QLatin1String("Notes on ") + full,
            QLatin1String("Decision on ") + full,
            QDateTime(QDate(2003, 3, 14), QTime(12, 0, i)),
            {personValue(QLatin1String("R") + QString::number(i), QStringLiteral("Doe"))}};
}

inline Meeting *makeMeeting(const QString &subject, const QStringList &problems,
                            const QStringList &participants = {"Ann"})
{
    MeetingValue value;
    value.subject = subject;
    value.date = QDateTime(QDate(2003, 3, 6), QTime(14, 30, 5));
    value.decision = subject + QLatin1String(" decided");
    value.notes = subject + QLatin1String(" notes");
    for (const QString &name : participants)
        value.participants << personValue(name, QStringLiteral("Smith"));
    for (int i = 0; i < problems.size(); ++i)
        value.problems << problemValue(problems.at(i), i);
    return recordOf(value);
}

// Meeting "S" with problems A, B and C, B done; participants Ann and Bob.
inline Meeting *doneInTheMiddle()
{
    Meeting *meeting = makeMeeting("S", {"A", "B", "C"}, {"Ann", "Bob"});
    meeting->problems->at(1)->decision->done = QDateTime(QDate(2003, 3, 15), QTime(9, 0));
    return meeting;
}

// Notes its name in `gone` when the store that holds it frees it, so a test sees what went.
struct Witness
{
    Witness(QStringList &gone, const QString &name)
        : gone(gone)
        , name(name)
    { }
    ~Witness() { gone << name; }
    QStringList &gone;
    QString name;
};

// The meetings, each with a witness named after its subject in its store.
inline QList<Meeting *> watched(const QList<Meeting *> &meetings, QStringList &gone)
{
    for (Meeting *meeting : meetings)
        meeting->records.make<Witness>(gone, meeting->subject);
    return meetings;
}

// Changed since it was last read or saved: both flags say so.
inline bool isMarked(const Meeting *meeting)
{
    return meeting->modified && !meeting->saved;
}

#endif // RECORDS_H
