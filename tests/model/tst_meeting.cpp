#include <QTest>

#include "model/meeting.h"
#include "model/recordstore.h"

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
        QVERIFY(blank.responsibles != named.responsibles && blank.decision != named.decision);
        QVERIFY(blank.shortDescription.isNull() && blank.fullDescription.isNull());
        QCOMPARE(named.shortDescription + '|' + named.fullDescription, "Printer|It jams.");

        const Meeting m;
        for (const QString *text : {&m.subject, &m.place, &m.notes, &m.decisionText})
            QVERIFY(text->isNull());
        QVERIFY(m.date.isNull() && !m.fileName.isNull() && m.fileName.isEmpty());
        QVERIFY(m.modified && !m.saved);
        QVERIFY(m.participants && m.participants->isEmpty() && m.problems && m.problems->isEmpty());
    }

    // A record unlinked from one list, or moved within it, is the same record afterwards; the
    // meeting's own record of the same person stays untouched.
    void removedRecordsStayValid()
    {
        auto *meeting = RecordStore::make<Meeting>();
        auto *person = RecordStore::make<Participant>();
        auto *responsible = RecordStore::make<Participant>();
        auto *budget = RecordStore::make<Problem>(QStringLiteral("Budget"), QString());
        person->firstName = responsible->firstName = QStringLiteral("Jane");
        *meeting->participants << person;
        *budget->responsibles << responsible;
        *meeting->problems << budget << RecordStore::make<Problem>();

        budget->responsibles->removeFirst();
        meeting->problems->append(meeting->problems->takeFirst());
        QList<Meeting *> meetings {meeting};
        meetings.removeFirst();
        QCOMPARE(*meeting->participants, QList<Participant *>({person}));
        QCOMPARE(meeting->problems->mid(1), QList<Problem *>({budget}));
        QCOMPARE(person->firstName + responsible->firstName + budget->shortDescription,
                 "JaneJaneBudget");
    }

    void storeKeepsEveryRecordMade()
    {
        const std::size_t before = RecordStore::size();
        RecordStore::make<Meeting>(); // with its two lists
        QCOMPARE(RecordStore::size(), before + 3);
        RecordStore::make<Problem>(); // with its list and its decision
        QCOMPARE(RecordStore::size(), before + 6);
    }
};

QTEST_GUILESS_MAIN(tst_Meeting)
#include "tst_meeting.moc"
