#include <QTest>

#include "support/records.h"

class tst_Meeting : public QObject
{
    Q_OBJECT

private slots:
    // Unlinked or moved records stay whole; dropping a responsible leaves the meeting's person.
    void storeKeepsEveryRecordMade()
    {
        const std::size_t before = RecordStore::size();
        auto *meeting = RecordStore::make<Meeting>();
        QCOMPARE(RecordStore::size(), before + 3); // the meeting and its two lists
        auto *other = RecordStore::make<Problem>();
        QCOMPARE(RecordStore::size(), before + 6); // the problem, its list and its decision
        auto *budget = RecordStore::make<Problem>(QStringLiteral("Budget"), QString());
        auto *person = makePerson("Jane", "Doe"), *owner = makePerson("Jane", "Doe");
        *meeting->participants << person;
        (*budget->responsibles << owner).removeFirst();
        (*meeting->problems << budget << other).move(0, 1);
        QList<Meeting *>({meeting}).removeFirst();
        QCOMPARE(*meeting->participants, QList<Participant *>({person}));
        QCOMPARE(meeting->problems->mid(1), QList<Problem *>({budget}));
        QCOMPARE(owner->firstName, QStringLiteral("Jane"));
        QCOMPARE(budget->shortDescription, QStringLiteral("Budget"));
    }
};

QTEST_GUILESS_MAIN(tst_Meeting)
#include "tst_meeting.moc"
