#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>

#include "mainwindow/duedateedit.h"
#include "support/frmmaininspector.h"
#include "support/printanswers.h"
#include "support/records.h"
#include "support/standins.h"
#include "support/wizardanswers.h"

using namespace Answers;

// One meeting's whole road through the real program, as a user takes it.
class tst_Road : public QObject
{
    Q_OBJECT

private slots:
    void newEditSaveReopenPrintNotifyExit()
    {
        QTemporaryDir dir;
        QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
        const StandIns standIns(dir.path());
        frmMain window;
        frmMainInspector state(window);
        window.show();

        const Person ann {"Ann", "Lee", "Chair", "ann@example.org", "1"};
        const Person ben {"Ben", "Ode", "Clerk", "ben@example.org", "2"};
        {
            DialogScript script(runWizard(
                {"Road test", "Room 4", {ann, ben}, {{"Budget", "Too low"}, {"Printer", ""}}}));
            window.fileNew();
        }
        QCOMPARE(state.treeEntries(), QStringList {"Road test"});

        state.select(0, 0);
        QTest::keyClicks(window.txtDecision, "Buy more");
        const QDateTime due(QDate(2026, 5, 1), QTime(10, 0));
        window.dtDue->setDateTime(due);
        const Person eve {"Eve", "Roe", "Buyer", "eve@example.org", "3"};
        {
            DialogScript script({enterPerson(eve)});
            QTest::mouseClick(window.btAddResp, Qt::LeftButton);
        }
        const Meeting *meeting = state.meetings()->at(0);
        const Problem *problem = meeting->problems->at(0);
        QCOMPARE(problem->decision->text, "Buy more");
        QCOMPARE(problem->decision->due, due);
        QCOMPARE(valuesOf(*problem->responsibles), QList<Person> {eve});

        const QString file = dir.filePath("road.xml");
        {
            DialogScript script({acceptFile(file)});
            window.fileSave();
        }
        QVERIFY2(meeting->saved, "not saved");
        {
            frmMain fresh;
            frmMainInspector(fresh).openFile(file);
            QCOMPARE(frmMainInspector(fresh).meetings()->size(), 1);
            QCOMPARE(valueOf(*frmMainInspector(fresh).meetings()->at(0)), valueOf(*meeting));
        }

        const QString pdf = dir.filePath("road.pdf");
        state.select(0);
        {
            DialogScript script({printToFile(pdf)});
            window.filePrint();
        }
        QVERIFY2(pdfText(pdf).contains("Buy more"), qPrintable(pdfText(pdf)));

        state.sendNotification();
        QTRY_COMPARE(standIns.calls().size(), 1);
        const QStringList arguments = standIns.calls().at(0);
        QCOMPARE(arguments.value(6),
                 "ann@example.org,ben@example.org,eve@example.org,"); // participants first

        // Exit leaves nothing of ours behind.
        window.fileExit();
        QVERIFY2(!QFile::exists(arguments.value(5)), qPrintable(arguments.value(5)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"road.pdf", "road.xml"}));
    }
};

QTEST_MAIN(tst_Road)
#include "tst_road.moc"
