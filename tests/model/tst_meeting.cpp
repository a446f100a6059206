#include <QTest>

#include "model/meeting.h"
#include "model/recordstore.h"

class tst_Meeting : public QObject
{
    Q_OBJECT

private slots:
    void newDecisionIsDueNow();
    void newProblemHasItsOwnListAndDecision();
    void problemFromDescriptions();
    void newMeetingDefaults();
    void removedRecordsStayValid();
    void storeKeepsEveryRecordMade();
};

void tst_Meeting::newDecisionIsDueNow()
{
    const QDateTime before = QDateTime::currentDateTime();
    Decision decision;
    const QDateTime after = QDateTime::currentDateTime();

    QVERIFY(decision.text.isNull());
    QVERIFY(decision.due.isValid());
    QVERIFY(before <= decision.due && decision.due <= after);
}

void tst_Meeting::newProblemHasItsOwnListAndDecision()
{
    Problem first;
    Problem second;

    QVERIFY(first.responsibles);
    QVERIFY(first.responsibles->isEmpty());
    QVERIFY(first.decision);
    QVERIFY(first.decision->text.isNull());
    QVERIFY(first.shortDescription.isNull());
    QVERIFY(first.notes.isNull());
    QVERIFY(first.responsibles != second.responsibles);
    QVERIFY(first.decision != second.decision);
}

void tst_Meeting::problemFromDescriptions()
{
    Problem problem(QStringLiteral("Printer"), QStringLiteral("It jams.\nTwice a day."));

    QCOMPARE(problem.shortDescription, QStringLiteral("Printer"));
    QCOMPARE(problem.fullDescription, QStringLiteral("It jams.\nTwice a day."));
    QVERIFY(problem.notes.isNull());
    QVERIFY(problem.decision && problem.decision->due.isValid());
}

void tst_Meeting::newMeetingDefaults()
{
    Meeting meeting;

    QVERIFY(meeting.subject.isNull());
    QVERIFY(meeting.place.isNull());
    QVERIFY(meeting.notes.isNull());
    QVERIFY(meeting.decisionText.isNull());
    QVERIFY(meeting.date.isNull());
    QVERIFY(!meeting.fileName.isNull());
    QVERIFY(meeting.fileName.isEmpty());
    QVERIFY(meeting.modified);
    QVERIFY(!meeting.saved);
    QVERIFY(meeting.participants && meeting.participants->isEmpty());
    QVERIFY(meeting.problems && meeting.problems->isEmpty());
}

// A responsible removed from a problem, or a problem moved to the end of the list, is the same
// record afterwards; the meeting's own participant stays untouched.
void tst_Meeting::removedRecordsStayValid()
{
    auto *meeting = RecordStore::make<Meeting>();
    auto *participant = RecordStore::make<Participant>();
    participant->firstName = QStringLiteral("Jane");
    meeting->participants->append(participant);

    auto *problem = RecordStore::make<Problem>(QStringLiteral("Budget"), QString());
    auto *other = RecordStore::make<Problem>(QStringLiteral("Hiring"), QString());
    auto *responsible = RecordStore::make<Participant>();
    responsible->firstName = QStringLiteral("Jane");
    problem->responsibles->append(responsible);
    meeting->problems->append(problem);
    meeting->problems->append(other);

    problem->responsibles->removeAt(0);
    QCOMPARE(responsible->firstName, QStringLiteral("Jane"));
    QCOMPARE(meeting->participants->size(), 1);
    QCOMPARE(meeting->participants->at(0)->firstName, QStringLiteral("Jane"));

    Problem *moved = meeting->problems->takeAt(0);
    meeting->problems->append(moved);
    QCOMPARE(meeting->problems->at(1), problem);
    QCOMPARE(problem->shortDescription, QStringLiteral("Budget"));

    QList<Meeting *> meetings {meeting};
    meetings.removeAt(0);
    QCOMPARE(meeting->problems->size(), 2);
    QCOMPARE(meeting->problems->at(0)->shortDescription, QStringLiteral("Hiring"));
}

void tst_Meeting::storeKeepsEveryRecordMade()
{
    const std::size_t before = RecordStore::size();
    RecordStore::make<Meeting>();
    // The meeting, its two lists.
    QCOMPARE(RecordStore::size(), before + 3);
    RecordStore::make<Problem>();
    // The problem, its responsibles list and its decision.
    QCOMPARE(RecordStore::size(), before + 6);
}

QTEST_GUILESS_MAIN(tst_Meeting)
#include "tst_meeting.moc"
