// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAbstractItemView>
#include <QAction>
#include <QCompleter>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "support/windowtest.h"
#include "support/wizardanswers.h"

class tst_FollowUp : public WindowTest
{
    Q_OBJECT

private slots:
    void wizardFilledIn_data()
    {
        QTest::addColumn<int>("daysAhead"); // of the meeting, from the wizard's now
        QTest::addColumn<int>("expected"); // of the follow-up, from now; 0 stands for now itself
        QTest::newRow("a week later") << 3 << 10;
        QTest::newRow("a week later is past") << -8 << 0;
        QTest::newRow("no date") << INT_MIN << 0;
    }

    // Subject, place and people as they were, copies of the open problems only, a week later:
    // editing the follow-up leaves the original as it was.
    void wizardFilledIn()
    {
        QFETCH(int, daysAhead);
        QFETCH(int, expected);
        const std::unique_ptr<Meeting> original(doneInTheMiddle());
        frmFirst wizard;
        const QDateTime now = wizard.dteDate->dateTime();
        original->date = daysAhead == INT_MIN ? QDateTime() : now.addDays(daysAhead);
        original->place = "Room 4";
        const MeetingValue before = valueOf(*original);
        wizard.fillFollowUp(*original);
        QCOMPARE(wizard.dteDate->dateTime(), now.addDays(expected));
        QCOMPARE(wizard.txtTema->text(), "S");
        QCOMPARE(wizard.txtPlace->text(), "Room 4");
        QCOMPARE(wizard.lbPart->topLevelItemCount(), 2);
        QCOMPARE(wizard.lvProblems->topLevelItemCount(), 2);
        QCOMPARE(valuesOf(*wizard.getParticipants()), before.participants);
        const QList<Problem *> &copies = *wizard.getProblems();
        QCOMPARE((QList<ProblemValue> {valueOf(*copies.at(0)), valueOf(*copies.at(1))}),
                 (QList<ProblemValue> {before.problems.at(0), before.problems.at(2)}));

        copies.at(0)->decision->text = "changed";
        copies.at(0)->responsibles->at(0)->firstName = "changed";
        wizard.getParticipants()->at(0)->email = "changed";
        QCOMPARE(valueOf(*original), before);
    }

    void finishAddsCancelKeeps_data()
    {
        QTest::addColumn<bool>("finish");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("Finish") << true << QStringList {"S", "S"};
        QTest::newRow("Cancel") << false << QStringList {"S"};
    }

    // Decisions > New follow-up meeting, on a problem of the meeting: Finish adds the follow-up
    // unsaved, Cancel leaves the list as it was.
    void finishAddsCancelKeeps()
    {
        QFETCH(bool, finish);
        QFETCH(QStringList, entries);
        state().load({doneInTheMiddle()});
        QVERIFY2(!window->decisionsFollowUpAction->isEnabled(), "nothing selected yet");
        state().select(0, 0);
        DialogScript script(Answers::runWizard({"", "", {}, {}, finish}));
        window->decisionsFollowUpAction->trigger();
        QCOMPARE(state().treeEntries(), entries);
        if (finish)
            QVERIFY2(!state().meetings()->at(1)->saved, "the follow-up is not saved");
    }

    void responsibleFromParticipants_data()
    {
        QTest::addColumn<int>("problem"); // whose Add is clicked; -1: the meeting's
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::newRow("responsible by first name") << 0 << "txtFN" << QString("bo");
        QTest::newRow("responsible by second name") << 0 << "txtSN" << QString("Smi");
        QTest::newRow("participant") << -1 << "txtFN" << QString("bo");
    }

    // Only a responsible is offered from the participants: typing part of a name and choosing
    // them fills in all five texts. A new participant is someone new.
    void responsibleFromParticipants()
    {
        QFETCH(int, problem);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        state().load({doneInTheMiddle()});
        state().select(0, problem);
        Person chosen; // the dialog's texts, once chosen
        DialogScript script({[&](QWidget *dialog) {
            const auto read = qScopeGuard([&] { Answers::enterPerson({}, &chosen)(dialog); });
            auto *edit = dialog->findChild<QLineEdit *>(field);
            if (!edit->completer())
                return;
            edit->setFocus();
            QTest::keyClicks(edit, typed);
            QAbstractItemView *popup = edit->completer()->popup();
            QTRY_VERIFY(popup->isVisible());
            popup->setCurrentIndex(popup->model()->index(popup->model()->rowCount() - 1, 0));
            QTest::keyClick(popup, Qt::Key_Return);
        }});
        window->btAddResp->click();
        const Meeting &meeting = *state().meetings()->at(0);
        QCOMPARE(chosen, problem == -1 ? Person() : valueOf(*meeting.participants->at(1)));
    }
};

QTEST_MAIN(tst_FollowUp)
#include "tst_followup.moc"
