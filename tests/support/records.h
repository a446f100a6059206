#ifndef RECORDS_H
#define RECORDS_H

#include <QStringList>

#include "model/meeting.h"
#include "model/recordstore.h"

// Records for the window tests. A meeting "S" with problems {"A", "B"} has participant Ann
// Smith, problem i with full description "A #i", decision "Decision on A #i", notes "Notes on
// A #i", due 2003-03-14 12:00:0i and responsible "R<i>" Doe; it starts saved.
inline Participant *makePerson(const QString &first, const QString &second)
{
    auto *person = RecordStore::make<Participant>();
    person->firstName = first;
    person->secondName = second;
    person->occupation = first + QLatin1String(" works");
    person->email = first.toLower() + QLatin1String("@example.org");
    person->phone = QStringLiteral("100");
    return person;
}

inline Meeting *makeMeeting(const QString &subject, const QStringList &problems,
                            const QStringList &participants = {"Ann"})
{
    auto *meeting = RecordStore::make<Meeting>();
    meeting->subject = subject;
    meeting->date = QDateTime(QDate(2003, 3, 6), QTime(14, 30, 5));
    meeting->decisionText = subject + QLatin1String(" decided");
    meeting->notes = subject + QLatin1String(" notes");
    for (const QString &name : participants)
        meeting->participants->append(makePerson(name, QStringLiteral("Smith")));
    for (int i = 0; i < problems.size(); ++i) {
        const QString full = problems.at(i) + QLatin1String(" #") + QString::number(i);
        auto *problem = RecordStore::make<Problem>(problems.at(i), full);
        problem->decision->text = QLatin1String("Decision on ") + full;
        problem->decision->due = QDateTime(QDate(2003, 3, 14), QTime(12, 0, i));
        problem->notes = QLatin1String("Notes on ") + full;
        problem->responsibles->append(
            makePerson(QLatin1String("R") + QString::number(i), QStringLiteral("Doe")));
        meeting->problems->append(problem);
    }
    meeting->modified = false;
    meeting->saved = true;
    return meeting;
}

inline bool isMarked(const Meeting *meeting)
{
    return meeting->modified && !meeting->saved;
}

#endif // RECORDS_H
