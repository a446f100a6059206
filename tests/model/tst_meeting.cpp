#include <QTest>

#include "support/records.h"

class tst_Meeting : public QObject
{
    Q_OBJECT

private slots:
    void newRecordDefaults()
    {
        const QDateTime before = QDateTime::currentDateTime();
        const Decision d;
        QVERIFY(d.text.isNull() && before <= d.due && d.due <= QDateTime::currentDateTime());
        const Problem blank, named(QStringLiteral("Printer"), QStringLiteral("It jams."));
        for (const Problem *p : {&blank, &named})
            QVERIFY(p->responsibles && p->responsibles->isEmpty() && p->notes.isNull()
                    && p->decision && p->decision->text.isNull() && p->decision->due.isValid());
        QVERIFY(blank.responsibles != named.responsibles && blank.decision != named.decision
                && blank.shortDescription.isNull() && blank.fullDescription.isNull());
        QCOMPARE(named.shortDescription + '|' + named.fullDescription, "Printer|It jams.");
        const Meeting m;
        QVERIFY(m.subject.isNull() && m.place.isNull() && m.notes.isNull()
                && m.decisionText.isNull() && m.date.isNull() && !m.fileName.isNull()
                && m.fileName.isEmpty() && m.modified && !m.saved && m.participants
                && m.participants->isEmpty() && m.problems && m.problems->isEmpty());
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
        QCOMPARE(person->firstName + owner->firstName + budget->shortDescription, "JaneJaneBudget");
    }
};

QTEST_GUILESS_MAIN(tst_Meeting)
#include "tst_meeting.moc"
