#include <QTest>

#include <memory>

#include "model/meeting.h"

// Says when it goes, so a test sees what a store frees and in which order.
struct Witness
{
    Witness(QList<int> &gone, int id)
        : gone(gone)
        , id(id)
    { }
    ~Witness() { gone << id; }
    QList<int> &gone;
    int id;
};

class tst_RecordStore : public QObject
{
    Q_OBJECT

private slots:
    // Newest first: a list goes after the records made for it.
    void freesNewestFirst()
    {
        QList<int> gone;
        {
            RecordStore records;
            for (int id = 1; id <= 3; ++id)
                records.make<Witness>(gone, id);
            QVERIFY2(gone.isEmpty(), "freed while the store lives");
        }
        QCOMPARE(gone, (QList<int> {3, 2, 1}));
    }

    void adopt_data()
    {
        QTest::addColumn<bool>("dropAdopterFirst");
        QTest::addColumn<QList<int>>("goneAfterFirstDrop");
        QTest::newRow("adopter goes first") << true << QList<int> {2, 1};
        QTest::newRow("adopted store goes first") << false << QList<int>();
    }

    // Adopted records go with the adopter, never with the store that made them.
    void adopt()
    {
        QFETCH(bool, dropAdopterFirst);
        QFETCH(QList<int>, goneAfterFirstDrop);
        QList<int> gone;
        auto adopter = std::make_unique<RecordStore>();
        auto wizard = std::make_unique<RecordStore>();
        adopter->make<Witness>(gone, 1);
        wizard->make<Witness>(gone, 2);
        adopter->adopt(*wizard);
        QCOMPARE(wizard->size(), std::size_t(0));
        (dropAdopterFirst ? adopter : wizard).reset();
        QCOMPARE(gone, goneAfterFirstDrop);
        adopter.reset();
        wizard.reset();
        QCOMPARE(gone, (QList<int> {2, 1}));
    }

    void adoptingItselfKeepsAll()
    {
        QList<int> gone;
        {
            RecordStore records;
            records.make<Witness>(gone, 1);
            records.adopt(records);
            QCOMPARE(records.size(), std::size_t(1));
        }
        QCOMPARE(gone, QList<int> {1});
    }

    // A meeting frees what its store holds, and only then.
    void meetingFreesItsRecords()
    {
        QList<int> gone;
        auto meeting = std::make_unique<Meeting>();
        meeting->records.make<Witness>(gone, 1);
        QVERIFY(gone.isEmpty());
        meeting.reset();
        QCOMPARE(gone, QList<int> {1});
    }
};

QTEST_GUILESS_MAIN(tst_RecordStore)
#include "tst_recordstore.moc"
