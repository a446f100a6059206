#include <QTest>

#include "support/records.h"

class tst_Meeting : public QObject
{
    Q_OBJECT

private slots:
    void newDecisionIsDueNow()
    {
        const QDateTime before = QDateTime::currentDateTime();
        const Decision decision;
        QVERIFY(decision.text.isNull());
        QVERIFY2(before <= decision.due, "due before the decision was made");
        QVERIFY2(decision.due <= QDateTime::currentDateTime(), "due after now");
    }

    // Every problem has a decision and a responsibles list of its own from the start.
    void newProblemsShareNothing()
    {
        const Problem blank, named(QStringLiteral("Printer"), QStringLiteral("It jams."));
        QCOMPARE(named.shortDescription, QStringLiteral("Printer"));
        QCOMPARE(named.fullDescription, QStringLiteral("It jams."));
        QVERIFY(blank.shortDescription.isNull());
        QVERIFY(named.notes.isNull());
        QVERIFY(named.decision->text.isNull());
        QVERIFY(named.responsibles->isEmpty());
        QVERIFY(blank.decision != named.decision);
        QVERIFY(blank.responsibles != named.responsibles);
    }

    void newMeetingIsModifiedWithEmptyLists()
    {
        const Meeting meeting;
        QVERIFY(meeting.subject.isNull());
        QVERIFY(meeting.date.isNull());
        QVERIFY2(!meeting.fileName.isNull() && meeting.fileName.isEmpty(),
                 "a new meeting's file name is the empty string");
        QVERIFY(isMarked(&meeting));
        QVERIFY(meeting.participants->isEmpty());
        QVERIFY(meeting.problems->isEmpty());
    }

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
