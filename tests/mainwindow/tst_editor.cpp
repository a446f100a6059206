// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QTreeWidget>

#include "mainwindow/duedateedit.h"
#include "model/personrow.h"
#include "support/records.h"
#include "support/windowtest.h"
#include "support/wizardanswers.h"

using Answers::enterPerson;

class tst_Editor : public WindowTest
{
    Q_OBJECT

    // Meeting "M": participants Ann, Ben, Cid, problem "Printer" with responsible R0; the
    // meeting or its problem is selected after the other one, so nothing shown is left over.
    Meeting *show(bool problem)
    {
        Meeting *meeting = makeMeeting("M", {"Printer"}, {"Ann", "Ben", "Cid"});
        state().load({meeting});
        state().select(0, problem ? -1 : 0);
        state().select(0, problem ? 0 : -1);
        return meeting;
    }

private slots:
    void editsReachTheRecord_data()
    {
        QTest::addColumn<bool>("problem");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<bool>("cleared"); // the tree's selection, by a click on empty space
        QTest::newRow("meeting decision") << false << "txtDecision" << false;
        QTest::newRow("meeting notes") << false << "txtNotes" << false;
        QTest::newRow("meeting date") << false << "dtDue" << false;
        QTest::newRow("problem decision") << true << "txtDecision" << false;
        QTest::newRow("problem notes") << true << "txtNotes" << false;
        QTest::newRow("problem due date") << true << "dtDue" << false;
        QTest::newRow("problem decision, selection cleared") << true << "txtDecision" << true;
    }

    // One key (a step a year on in the date box) changes the shown record at once, nothing else,
    // and marks the meeting. Clearing the tree's selection leaves the record shown.
    void editsReachTheRecord()
    {
        QFETCH(bool, problem);
        QFETCH(QString, edit);
        QFETCH(bool, cleared);
        Meeting *meeting = show(problem);
        if (cleared) {
            QWidget *viewport = window->lvProblems->viewport();
            QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(5, viewport->height() - 5));
            QVERIFY2(window->lvProblems->selectedItems().isEmpty(), "the click cleared nothing");
        }
        MeetingValue expected = valueOf(*meeting);
        ProblemValue &printer = expected.problems[0];
        if (edit == "dtDue") {
            QDateTime &date = problem ? printer.due : expected.date;
            date = date.addYears(1);
            window->dtDue->setFocus();
            window->dtDue->setCurrentSection(QDateTimeEdit::YearSection);
            QTest::keyClick(window->dtDue, Qt::Key_Up);
        } else {
            const bool decision = edit == "txtDecision";
            QString &changed = problem ? (decision ? printer.decision : printer.notes)
                                       : (decision ? expected.decision : expected.notes);
            changed += 'x';
            auto *text = window->findChild<QTextEdit *>(edit);
            text->moveCursor(QTextCursor::End);
            QTest::keyClick(text, Qt::Key_X);
        }
        QCOMPARE(valueOf(*meeting), expected);
        QVERIFY(isMarked(meeting));
    }

    void personDialogs_data()
    {
        QTest::addColumn<bool>("problem");
        QTest::addColumn<bool>("edit"); // Ben's row; otherwise Add
        QTest::addColumn<Person>("typed"); // all empty: Escape
        QTest::addColumn<bool>("taken");

        const Person eve {"Eve", "Stone", "Judge", "eve@example.org", "555"};
        QTest::newRow("add participant") << false << false << eve << true;
        QTest::newRow("add responsible") << true << false << eve << true;
        QTest::newRow("first name alone")
            << true << false << Person {"Eve", "", "", "", ""} << true;
        QTest::newRow("a blank counts as a name")
            << false << false << Person {"", " ", "", "", ""} << true;
        QTest::newRow("no name refused")
            << true << false << Person {"", "", "Judge", "e@x", "1"} << false;
        QTest::newRow("add cancelled") << false << false << Person {} << false;
        QTest::newRow("edit accepted")
            << false << true << Person {"Bea", "Roe", "Chair", "b@x", "7"} << true;
        QTest::newRow("edit cancelled") << false << true << Person {} << false;
        QTest::newRow("both names emptied")
            << false << true << Person {"", "", "Chair", "b@x", "7"} << false;
    }

    // The dialog shows the person edited (nothing for Add); a person needs a first or a second
    // name. The list shows the records, and only a taken dialog marks the meeting.
    void personDialogs()
    {
        QFETCH(bool, problem);
        QFETCH(bool, edit);
        QFETCH(Person, typed);
        QFETCH(bool, taken);

        Meeting *meeting = show(problem);
        QList<Participant *> &persons
            = *(problem ? meeting->problems->at(0)->responsibles : meeting->participants);
        QList<Person> expected = valuesOf(persons);
        if (taken && edit)
            expected[1] = typed;
        else if (taken)
            expected << typed;
        if (edit)
            window->lvResp->setCurrentItem(window->lvResp->topLevelItem(1));

        Person shown;
        DialogScript script({enterPerson(typed, &shown)});
        QTest::mouseClick(edit ? window->btEditResp : window->btAddResp, Qt::LeftButton);

        QCOMPARE(script.seen,
                 QStringList {edit ? "frmPeople | Edit person" : "frmPeople | Adding new person"});
        QCOMPARE(shown, edit ? personValue("Ben", "Smith") : Person());
        QCOMPARE(valuesOf(persons), expected);
        QCOMPARE(window->lvResp->topLevelItemCount(), persons.size());
        for (int i = 0; i < persons.size(); ++i) { // each row shows its own record
            const QTreeWidgetItem *row = window->lvResp->topLevelItem(i);
            QCOMPARE((QStringList {row->text(0), row->text(1), row->text(2), row->text(3)}),
                     PersonRow::columns(*persons.at(i)));
        }
        QCOMPARE(isMarked(meeting), taken);
    }

    // A click on a row enables Edit and Delete, one on empty space disables them. Deleting the
    // second row takes its person out of the list; the row after it then names the next record.
    void rowSelectionAndDelete()
    {
        Meeting *meeting = show(false);
        const QList<Participant *> persons = *meeting->participants;
        QWidget *viewport = window->lvResp->viewport();
        const QPoint second
            = window->lvResp->visualItemRect(window->lvResp->topLevelItem(1)).center();
        const QPoint empty(5, viewport->height() - 5);
        QTest::mouseClick(viewport, Qt::LeftButton, {}, second);
        QTest::mouseClick(viewport, Qt::LeftButton, {}, empty);
        QVERIFY(!window->btEditResp->isEnabled());
        QVERIFY(!window->btDeleteResp->isEnabled());

        Person opened; // whom the one Edit dialog showed
        DialogScript script({enterPerson({}, &opened)});
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, empty);
        QTest::mouseClick(viewport, Qt::LeftButton, {}, second);
        QTest::mouseClick(window->btDeleteResp, Qt::LeftButton);
        QCOMPARE(*meeting->participants, QList<Participant *>({persons.at(0), persons.at(2)}));
        QVERIFY(isMarked(meeting));
        QVERIFY2(!window->btDeleteResp->isEnabled(), "a second click would delete another person");
        QVERIFY(!window->btEditResp->isEnabled());

        QTest::mouseClick(viewport, Qt::LeftButton, {}, second); // a double click starts as a click
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, second);
        QTRY_COMPARE(opened.first, "Cid");
        QCOMPARE(script.seen.size(), 1);
    }

    void recordWithoutDateShowsNoDate_data()
    {
        QTest::addColumn<bool>("problem");
        QTest::newRow("meeting") << false;
        QTest::newRow("problem") << true;
    }

    // The box shows that there is no date, not the date shown before; only a step writes one.
    void recordWithoutDateShowsNoDate()
    {
        QFETCH(bool, problem);
        Meeting *meeting = show(!problem); // the other record's date is shown first
        QDateTime &date = problem ? meeting->problems->at(0)->decision->due : meeting->date;
        date = QDateTime();
        state().select(0, problem ? 0 : -1);
        QCOMPARE(window->dtDue->text(), QStringLiteral("no date"));

        window->dtDue->setFocus();
        QTest::keyClick(window->dtDue, Qt::Key_Down);
        QVERIFY2(date.isNull(), qPrintable(date.toString()));
        QTest::keyClick(window->dtDue, Qt::Key_Up);
        QVERIFY2(date.date().year() > 1752, "a step up from no date picks a real date");
    }

    void tabKeys_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("decision") << "txtDecision";
        QTest::newRow("notes") << "txtNotes";
        QTest::newRow("full description, read-only") << "txtFull";
    }

    // Tab goes on to the next field, as everywhere in the form; Ctrl+Tab types a tab where
    // typing is allowed.
    void tabKeys()
    {
        QFETCH(QString, box);
        show(true);
        auto *text = window->findChild<QTextEdit *>(box);
        const QString before = text->toPlainText();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        text->setFocus();

        QTest::keyClick(text, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(text->toPlainText(), text->isReadOnly() ? before : '\t' + before);
        QTest::keyClick(text, Qt::Key_Tab);
        QVERIFY2(!text->hasFocus(), "Tab stayed in the box");
    }

    // After a rebuild nothing is selected: the editor is blank and takes no input.
    void closedAfterRebuild()
    {
        Meeting *meeting = show(true);
        const MeetingValue before = valueOf(*meeting);
        state().rebuildTree();

        QTest::keyClicks(window->txtDecision, "lost");
        QCOMPARE(window->txtDecision->toPlainText(), QString());
        QVERIFY(!window->btAddResp->isEnabled());
        QVERIFY(!window->dtDue->isEnabled());
        QCOMPARE(window->lblDue->text(), QStringLiteral("Выполнить до:"));
        QCOMPARE(valueOf(*meeting), before);
    }
};

QTEST_MAIN(tst_Editor)
#include "tst_editor.moc"
