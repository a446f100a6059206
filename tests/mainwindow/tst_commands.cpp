// SPDX-License-Identifier: GPL-3.0-or-later
#include <QRegularExpression>
#include <QTextEdit>
#include <QTreeWidget>

#include "mainwindow/duedateedit.h"
#include "support/documents.h"
#include "support/windowtest.h"
#include "support/wizardanswers.h"

using namespace Answers;

static const QString deleteQuestion
    = QStringLiteral("Mootrak warning | Are you sure you want\nto delete this meeting?\n"
                     "It will not delete meeting file.");

class tst_Commands : public WindowTest
{
    Q_OBJECT

    // Subjects of the meetings freed; it outlives the window, which frees the rest at the end.
    QStringList gone;

private slots:
    void newWithMeetingsLoaded_data()
    {
        QTest::addColumn<Script>("answers");
        QTest::addColumn<QStringList>("seen");
        QTest::addColumn<QStringList>("left");

        const Script finished = runWizard({"New", "", {}, {{"P", ""}}});
        const Script cancelled = runWizard({"New", "", {}, {{"P", ""}}, false});
        const QStringList asked {addOrReplaceSeen, "frmFirst | New Subject",
                                 "frmDescription | Problem description"};
        const QStringList kept {"Old 1", "Old 2"};
        QTest::newRow("add") << Script {click("Add")} + finished << asked
                             << kept + QStringList {"New"};
        QTest::newRow("replace") << Script {click("Replace")} + finished << asked
                                 << QStringList {"New"};
        QTest::newRow("cancel the question")
            << Script {click("Cancel")} << QStringList {addOrReplaceSeen} << kept;
        QTest::newRow("replace, wizard cancelled")
            << Script {click("Replace")} + cancelled << asked << kept;
        QTest::newRow("add, wizard cancelled")
            << Script {click("Add")} + cancelled << asked << kept;
    }

    // Only a finished wizard changes the list; a cancelled one loses no loaded meeting.
    void newWithMeetingsLoaded()
    {
        QFETCH(Script, answers);
        QFETCH(QStringList, seen);
        QFETCH(QStringList, left);
        gone.clear();
        state().load(watched({makeMeeting("Old 1", {"A"}), makeMeeting("Old 2", {"B"})}, gone));

        DialogScript script(answers);
        window->fileNew();

        QCOMPARE(script.seen, seen);
        QCOMPARE(state().each(&Meeting::subject), left);
        QCOMPARE(state().treeEntries(), left);
        QCOMPARE(gone, left.contains("Old 1") ? QStringList() : QStringList({"Old 1", "Old 2"}));
    }

    void deleteMeeting_data()
    {
        QTest::addColumn<DialogScript::Answer>("answer");
        QTest::addColumn<int>("meeting");
        QTest::addColumn<int>("problem"); // the entry clicked; -1 for the meeting's own
        QTest::addColumn<QStringList>("left");

        QTest::newRow("escape") << press(Qt::Key_Escape) << 0 << -1 << QStringList {"A", "B", "C"};
        QTest::newRow("return is yes")
            << press(Qt::Key_Return) << 0 << -1 << QStringList {"B", "C"};
        QTest::newRow("yes on a problem entry")
            << click("&Yes") << 1 << 1 << QStringList {"A", "C"};
        QTest::newRow("yes on the last meeting")
            << click("&Yes") << 2 << -1 << QStringList {"A", "B"};
    }

    // Yes takes out the whole meeting of the entry clicked, from the list and the tree alike;
    // the meeting's file stays.
    void deleteMeeting()
    {
        QFETCH(DialogScript::Answer, answer);
        QFETCH(int, meeting);
        QFETCH(int, problem);
        QFETCH(QStringList, left);
        const QString file = path("m.xml");
        writeFile(file, "<meeting/>");
        gone.clear();
        state().load(watched(
            {makeMeeting("A", {"P"}), makeMeeting("B", {"P", "Q"}), makeMeeting("C", {"P"})},
            gone));
        state().meetings()->at(meeting)->fileName = file;
        state().select(meeting, problem);

        DialogScript script({answer});
        state().delMeeting();

        QCOMPARE(script.seen, QStringList {deleteQuestion});
        QCOMPARE(state().each(&Meeting::subject), left);
        QCOMPARE(state().treeEntries(), left);
        QVERIFY2(QFile::exists(file), "the meeting's file stays");
        const QStringList deleted
            = QStringList {"A", "B", "C"}.filter(QRegularExpression("^(?!" + left.join('|') + ")"));
        QCOMPARE(gone, deleted); // freed, and only it
    }

    void closedWindowFreesMeetings()
    {
        gone.clear();
        auto other = std::make_unique<frmMain>();
        frmMainInspector(*other).load(watched({makeMeeting("A", {}), makeMeeting("B", {})}, gone));
        other.reset();
        QCOMPARE(gone, (QStringList {"A", "B"}));
    }

    // One meeting's road as a user takes it: New on an empty list asks nothing and makes the
    // meeting the wizard was given; edits reach it; Save writes its document, and nothing else.
    // Printing and notifying are the report and notify tests' part.
    void newEditSaveReopen()
    {
        const Person ann {"Ann", "Lee", "Chair", "ann@example.org", "1"};
        const Person ben {"Ben", "Ode", "Clerk", "ben@example.org", "2"};
        {
            DialogScript script(runWizard(
                {"Road test", "Room 4", {ann, ben}, {{"Budget", "Too low"}, {"Printer", ""}}}));
            window->fileNew();
        }
        QCOMPARE(state().treeEntries(), QStringList {"Road test"});
        const Meeting *meeting = state().meetings()->at(0);
        QCOMPARE(meeting->place, "Room 4");
        QCOMPARE(valuesOf(*meeting->participants), (QList<Person> {ann, ben}));

        state().select(0, 0);
        QTest::keyClicks(window->txtDecision, "Buy more");
        const QDateTime due(QDate(2026, 5, 1), QTime(10, 0));
        window->dtDue->setDateTime(due);
        const Person eve {"Eve", "Roe", "Buyer", "eve@example.org", "3"};
        {
            DialogScript script({enterPerson(eve)});
            QTest::mouseClick(window->btAddResp, Qt::LeftButton);
        }
        const Problem *problem = meeting->problems->at(0);
        QCOMPARE(problem->decision->text, "Buy more");
        QCOMPARE(problem->decision->due, due);
        QCOMPARE(valuesOf(*problem->responsibles), QList<Person> {eve});

        {
            DialogScript script({acceptFile(path("road.xml"))});
            window->fileSave();
        }
        QVERIFY2(meeting->saved, "not saved");
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList {"road.xml"});
        QCOMPARE(readFile(path("road.xml")), written(*meeting));
    }

    void addProblem_data()
    {
        QTest::addColumn<bool>("finish");
        QTest::addColumn<QStringList>("problems");

        QTest::newRow("two added") << true << QStringList {"A", "B", "N1", "N2"};
        QTest::newRow("cancelled") << false << QStringList {"A", "B"};
    }

    // The wizard opens on its problems page. New problems go to the end, in the order entered,
    // and the meeting counts as changed; a cancelled wizard changes nothing.
    void addProblem()
    {
        QFETCH(bool, finish);
        QFETCH(QStringList, problems);
        state().load({makeMeeting("M", {"A", "B"})});
        state().select(0);

        int startPage = -1;
        DialogScript script(
            runWizard({"", "", {}, {{"N1", "one"}, {"N2", "two"}}, finish, &startPage}));
        state().addProblem();

        QCOMPARE(startPage, 1);
        QStringList texts;
        const Meeting *meeting = state().meetings()->at(0);
        for (const Problem *problem : std::as_const(*meeting->problems))
            texts << problem->shortDescription;
        QCOMPARE(texts, problems);
        QCOMPARE(isMarked(meeting), finish);
        QCOMPARE(window->lvProblems->topLevelItem(0)->childCount(), problems.size());
    }
};

QTEST_MAIN(tst_Commands)
#include "tst_commands.moc"
