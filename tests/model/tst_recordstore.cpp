// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include <memory>

#include "model/meeting.h"
#include "support/records.h"

class tst_RecordStore : public QObject
{
    Q_OBJECT

private slots:
    // Newest first: a list goes after the records made for it.
    void freesNewestFirst()
    {
        QStringList gone;
        {
            RecordStore records;
            for (const char *name : {"1", "2", "3"})
                records.make<Witness>(gone, name);
            QVERIFY2(gone.isEmpty(), "freed while the store lives");
        }
        QCOMPARE(gone, (QStringList {"3", "2", "1"}));
    }

    void adopt_data()
    {
        QTest::addColumn<bool>("dropAdopterFirst");
        QTest::addColumn<QStringList>("goneAfterFirstDrop");
        QTest::newRow("adopter goes first") << true << QStringList {"2", "1"};
        QTest::newRow("adopted store goes first") << false << QStringList();
    }

    // Adopted records go with the adopter, never with the store that made them.
    void adopt()
    {
        QFETCH(bool, dropAdopterFirst);
        QFETCH(QStringList, goneAfterFirstDrop);
        QStringList gone;
        auto adopter = std::make_unique<RecordStore>();
        auto wizard = std::make_unique<RecordStore>();
        adopter->make<Witness>(gone, "1");
        wizard->make<Witness>(gone, "2");
        adopter->adopt(*wizard);
        QCOMPARE(wizard->size(), std::size_t(0));
        (dropAdopterFirst ? adopter : wizard).reset();
        QCOMPARE(gone, goneAfterFirstDrop);
        adopter.reset();
        wizard.reset();
        QCOMPARE(gone, (QStringList {"2", "1"}));
    }
};

QTEST_GUILESS_MAIN(tst_RecordStore)
#include "tst_recordstore.moc"
