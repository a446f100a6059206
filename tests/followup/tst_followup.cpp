#include <QAbstractItemView>
#include <QAction>
#include <QCompleter>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include "followup/followup.h"
#include "support/records.h"
#include "support/windowtest.h"
#include "wizard/frmfirst.h"
#include "wizard/frmpeople.h"

// Meeting "S" of 2003-03-06 with problems A, B and C, B done; participants Ann and Bob.
static Meeting *doneInTheMiddle()
{
    Meeting *meeting = makeMeeting("S", {"A", "B", "C"}, {"Ann", "Bob"});
    meeting->problems->at(1)->decision->done = QDateTime(QDate(2003, 3, 15), QTime(9, 0));
    return meeting;
}

class tst_FollowUp : public WindowTest
{
    Q_OBJECT

    static QStringList rows(const QTreeWidget *list)
    {
        QStringList texts;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            texts << list->topLevelItem(i)->text(0);
        return texts;
    }

private slots:
    // Copies of the open problems only, with everything they hold, and copies of the people:
    // editing the follow-up leaves the original as it was.
    void carriesOpenProblemsAsCopies()
    {
        const std::unique_ptr<Meeting> original(doneInTheMiddle());
        const MeetingValue before = valueOf(*original);
        Meeting followUp;
        QList<Problem *> *problems = followUp.problems;
        QList<Participant *> *participants = followUp.participants;
        *problems = FollowUp::openProblemCopies(*original, followUp.records);
        *participants = FollowUp::participantCopies(*original, followUp.records);

        QCOMPARE(valueOf(*problems->at(0)), before.problems.at(0));
        QCOMPARE(valueOf(*problems->at(1)), before.problems.at(2));
        QCOMPARE(problems->size(), 2);
        QCOMPARE(valuesOf(*participants), before.participants);

        problems->at(0)->decision->text = "changed";
        problems->at(0)->responsibles->at(0)->firstName = "changed";
        problems->at(1)->responsibles->clear();
        participants->at(0)->email = "changed";
        QCOMPARE(valueOf(*original), before);
    }

    void nextDate_data()
    {
        QTest::addColumn<QDateTime>("date");
        QTest::addColumn<QDateTime>("expected");
        const QDateTime now(QDate(2026, 12, 8), QTime(10, 0));
        QTest::newRow("a week later") << QDateTime(QDate(2026, 12, 28), QTime(9, 30))
                                      << QDateTime(QDate(2027, 1, 4), QTime(9, 30));
        QTest::newRow("a week later is past: now")
            << QDateTime(QDate(2026, 11, 30), QTime(9, 30)) << now;
        QTest::newRow("no date: now") << QDateTime() << now;
    }

    void nextDate()
    {
        QFETCH(QDateTime, date);
        QFETCH(QDateTime, expected);
        QCOMPARE(FollowUp::nextDate(date, QDateTime(QDate(2026, 12, 8), QTime(10, 0))), expected);
    }

    // The wizard shows what it took over; a week after a meeting long past is past too, so the
    // date stays at now.
    void wizardFilledIn()
    {
        const std::unique_ptr<Meeting> original(doneInTheMiddle());
        frmFirst wizard;
        const QDateTime opened = wizard.dteDate->dateTime();
        wizard.fillFollowUp(*original);
        QCOMPARE(wizard.txtTema->text(), "S");
        QCOMPARE(wizard.txtPlace->text(), original->place);
        QCOMPARE(wizard.dteDate->dateTime(), opened);
        QCOMPARE(rows(wizard.lbPart), (QStringList {"Smith, Ann", "Smith, Bob"}));
        QCOMPARE(rows(wizard.lvProblems), (QStringList {"A", "C"}));
        QCOMPARE(wizard.getProblems()->size(), 2);
    }

    void wizardDateAWeekLater()
    {
        const std::unique_ptr<Meeting> original(makeMeeting("S", {}));
        frmFirst wizard;
        original->date = QDateTime(wizard.dteDate->minimumDate().addDays(3), QTime(9, 0));
        wizard.fillFollowUp(*original);
        QCOMPARE(wizard.dteDate->dateTime(), original->date.addDays(7));
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
        QVERIFY2(window->decisionsFollowUpAction->isEnabled(), "a meeting is selected");
        QTimer::singleShot(0, window.get(), [finish] {
            auto *wizard = qobject_cast<frmFirst *>(QApplication::activeModalWidget());
            QVERIFY2(wizard, "the wizard is open");
            if (!finish)
                return wizard->reject();
            wizard->next();
            wizard->accept();
        });
        window->decisionsFollowUpAction->trigger();
        QCOMPARE(state().treeEntries(), entries);
        if (!finish)
            return;
        const Meeting &followUp = *state().meetings()->at(1);
        QVERIFY2(!followUp.saved, "the follow-up is not saved");
        QCOMPARE(followUp.problems->size(), 2);
    }

    void responsibleDialogOffersParticipants_data()
    {
        QTest::addColumn<int>("problem");
        QTest::addColumn<bool>("offered");
        QTest::newRow("adding a responsible") << 0 << true;
        QTest::newRow("adding a participant") << -1 << false;
    }

    // Only a responsible is offered from the participants; a new participant is someone new.
    void responsibleDialogOffersParticipants()
    {
        QFETCH(int, problem);
        QFETCH(bool, offered);
        state().load({doneInTheMiddle()});
        state().select(0, problem);
        bool completes = !offered;
        QTimer::singleShot(0, window.get(), [&completes] {
            auto *dialog = qobject_cast<frmPeople *>(QApplication::activeModalWidget());
            QVERIFY2(dialog, "the person dialog is open");
            completes = dialog->txtFN->completer() != nullptr;
            dialog->reject();
        });
        window->btAddResp->click();
        QCOMPARE(completes, offered);
    }

    // Typing part of a participant's name and choosing them fills in all five texts.
    void responsibleFromParticipants_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::newRow("first name") << "txtFN"
                                    << "bo";
        QTest::newRow("second name") << "txtSN"
                                     << "Smi";
    }

    void responsibleFromParticipants()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        const std::unique_ptr<Meeting> meeting(doneInTheMiddle());
        frmPeople dialog;
        dialog.offerPersons(*meeting->participants);
        dialog.show();
        auto *edit = dialog.findChild<QLineEdit *>(field);
        edit->setFocus();
        QTest::keyClicks(edit, typed);
        QAbstractItemView *popup = edit->completer()->popup();
        QTRY_VERIFY(popup->isVisible());
        popup->setCurrentIndex(popup->model()->index(popup->model()->rowCount() - 1, 0));
        QTest::keyClick(popup, Qt::Key_Return);
        Participant chosen;
        dialog.takePerson(&chosen);
        QCOMPARE(valueOf(chosen), valueOf(*meeting->participants->at(1)));
    }
};

QTEST_MAIN(tst_FollowUp)
#include "tst_followup.moc"
