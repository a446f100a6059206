// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>
#include <QTimeZone>

#include <memory>

#include <libical/ical.h>

#include "register/duedatecalendar.h"
#include "support/records.h"

using Dues = QMap<QString, QDateTime>; // due dates by short description

// Every export is made at this moment, never at the clock's.
static const QDateTime exportTime(QDate(2003, 3, 1), QTime(9, 15, 30), QTimeZone::utc());

// An export, and its to-dos in order as libical's parser reads it back; none when it fails.
struct Export
{
    explicit Export(const QList<Meeting *> &meetings)
        : text(DueDateCalendar::text(meetings, exportTime, todoCount))
        , calendar(icalparser_parse_string(text.constData()), icalcomponent_free)
    {
        if (!calendar)
            return;
        for (auto *todo = icalcomponent_get_first_component(calendar.get(), ICAL_VTODO_COMPONENT);
             todo; todo = icalcomponent_get_next_component(calendar.get(), ICAL_VTODO_COMPONENT))
            todos << todo;
    }
    // One text per to-do, read through the getter; null where the to-do has none.
    QStringList each(const char *(*get)(icalcomponent *)) const
    {
        QStringList texts;
        for (icalcomponent *todo : todos)
            texts << QString::fromUtf8(get(todo));
        return texts;
    }

    int todoCount = 0;
    QByteArray text;
    std::unique_ptr<icalcomponent, void (*)(icalcomponent *)> calendar;
    QList<icalcomponent *> todos;
};

// "address / name" per attendee, "-" for no name.
static QStringList attendees(icalcomponent *todo)
{
    QStringList found;
    for (auto *p = icalcomponent_get_first_property(todo, ICAL_ATTENDEE_PROPERTY); p;
         p = icalcomponent_get_next_property(todo, ICAL_ATTENDEE_PROPERTY)) {
        const icalparameter *name = icalproperty_get_first_parameter(p, ICAL_CN_PARAMETER);
        found << QString::fromUtf8(icalproperty_get_attendee(p)) + " / "
                + (name ? QString::fromUtf8(icalparameter_get_cn(name)) : QString("-"));
    }
    return found;
}

// A meeting whose two problems are the same.
static MeetingValue twins()
{
    MeetingValue meeting = valueOf(*makeMeeting("Budget", {"A", "A"}));
    meeting.problems[1] = meeting.problems[0];
    return meeting;
}

class tst_DueDateCalendar : public QObject
{
    Q_OBJECT

private slots:
    void fieldsReadBackUnchanged_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("address");
        const auto row = [](const char *name, const QString &text, const QString &address) {
            QTest::newRow(name) << text << address;
        };
        const QString longText = QString("Ж€😀x").repeated(125); // 1250 octets
        row("commas, semicolons", "a, b; c,,;;d", "a,b;c@example.org");
        row("backslashes", "C:\\temp\\n is no break \\\\", "b\\s@example.org");
        row("line breaks", "one\ntwo\n\nfour\n", "lines@example.org");
        row("colons, quotes", "Re: \"quoted\" 'single' a:b", "\"q:u\"@example.org");
        row("long non-ASCII line", longText, longText + "@example.org");
    }

    // Also: lines end with CRLF and hold at most 75 octets before it; no fold splits a character.
    void fieldsReadBackUnchanged()
    {
        QFETCH(QString, text);
        QFETCH(QString, address);
        MeetingValue meeting = valueOf(*makeMeeting("Budget", {"A"}));
        ProblemValue &problem = meeting.problems[0];
        problem.shortDescription = problem.fullDescription = problem.decision = text;
        problem.responsibles = {{text, "Doe", "", address, ""}};
        const Export back({recordOf(meeting)});
        for (const QByteArray &line : back.text.chopped(1).split('\n')) {
            QVERIFY2(line.endsWith('\r'), "a line ends with a bare LF: " + line);
            QVERIFY2(line.size() - 1 <= 75, "a line is longer than 75 octets: " + line);
            QVERIFY2(QString::fromUtf8(line).toUtf8() == line, "a character is split: " + line);
        }
        QCOMPARE(icalcomponent_count_errors(back.calendar.get()), 0);
        QCOMPARE(back.each(icalcomponent_get_summary), QStringList {text});
        QCOMPARE(back.each(icalcomponent_get_description), QStringList {text + "\n\n" + text});
        QCOMPARE(attendees(back.todos.first()),
                 QStringList {"mailto:" + address + " / " + text + " Doe"});
    }

    // Of meetings with problems {A, B} and {C}, due as the builders make them unless `dues` says.
    void onlyProblemsWithDueDatesInOrder_data()
    {
        QTest::addColumn<Dues>("dues");
        QTest::addColumn<QStringList>("expected");
        const QDateTime none;
        QTest::newRow("all due") << Dues {} << QStringList {"A", "B", "C"};
        QTest::newRow("one without") << Dues {{"B", none}} << QStringList {"A", "C"};
        QTest::newRow("none due") << Dues {{"A", none}, {"B", none}, {"C", none}} << QStringList {};
        QTest::newRow("after year 3000")
            << Dues {{"A", QDateTime(QDate(3001, 1, 1), QTime(0, 0), QTimeZone::utc())}}
            << QStringList {"B", "C"};
        QTest::newRow("before year 1")
            << Dues {{"C", QDateTime(QDate(-1, 12, 31), QTime(0, 0))}} << QStringList {"A", "B"};
    }

    void onlyProblemsWithDueDatesInOrder()
    {
        QFETCH(Dues, dues);
        QFETCH(QStringList, expected);
        const QList<Meeting *> meetings {makeMeeting("S", {"A", "B"}), makeMeeting("T", {"C"})};
        for (const Meeting *meeting : meetings) {
            for (Problem *problem : *meeting->problems)
                problem->decision->due
                    = dues.value(problem->shortDescription, problem->decision->due);
        }
        const Export back(meetings);
        QCOMPARE(back.each(icalcomponent_get_summary), expected);
        QCOMPARE(back.todoCount, expected.size());
    }

    void dueAndStampInUtc_data()
    {
        QTest::addColumn<QDateTime>("due");
        QTest::addColumn<QByteArray>("line"); // as written
        const QTimeZone utc = QTimeZone::utc();
        const QDateTime local(QDate(2003, 3, 14), QTime(12, 0, 7));
        const QByteArray localLine
            = local.toUTC().toString("'DUE:'yyyyMMdd'T'hhmmss'Z'").toLatin1();
        QTest::newRow("local") << local << localLine;
        QTest::newRow("5 h ahead") << QDateTime(QDate(2003, 3, 14), QTime(2, 30), QTimeZone(18000))
                                   << QByteArray("DUE:20030313T213000Z");
        QTest::newRow("before 1970") << QDateTime(QDate(1969, 7, 20), QTime(20, 17, 40), utc)
                                     << QByteArray("DUE:19690720T201740Z");
        QTest::newRow("last of 3000") << QDateTime(QDate(3000, 12, 31), QTime(23, 59, 59), utc)
                                      << QByteArray("DUE:30001231T235959Z");
    }

    void dueAndStampInUtc()
    {
        QFETCH(QDateTime, due);
        QFETCH(QByteArray, line);
        Meeting *meeting = makeMeeting("Budget", {"A"});
        meeting->problems->first()->decision->due = due;
        const QByteArray text = Export({meeting}).text;
        QVERIFY2(text.contains("\r\n" + line + "\r\n"), text.constData());
        QVERIFY2(text.contains("\r\nDTSTAMP:20030301T091530Z\r\n"), text.constData());
    }

    void attendeesAreResponsiblesWithAddress_data()
    {
        QTest::addColumn<QList<Person>>("responsibles");
        QTest::addColumn<QStringList>("expected");
        const Person ann {"Ann", "Lee", "", "ann@example.org", ""};
        const Person bob {"Bob", "Ray", "", " ", ""};
        const Person cy {"", "Cy", "", " cy@example.org ", ""};
        const Person dee {"", "", "", "dee@example.org", ""};
        const Person eve {"Eve", "", "", "eve@example.org\r\nBEGIN:VEVENT", ""};
        const QString annAttendee = "mailto:ann@example.org / Ann Lee";
        QTest::newRow("one name, spaces")
            << QList {cy} << QStringList {"mailto:cy@example.org / Cy"};
        QTest::newRow("line break in address") << QList {eve} << QStringList {};
        QTest::newRow("several in order, a blank address left out")
            << QList {dee, bob, ann} << QStringList {"mailto:dee@example.org / -", annAttendee};
    }

    void attendeesAreResponsiblesWithAddress()
    {
        QFETCH(QList<Person>, responsibles);
        QFETCH(QStringList, expected);
        MeetingValue meeting = valueOf(*makeMeeting("Budget", {"A"}));
        meeting.problems[0].responsibles = responsibles;
        const Export back({recordOf(meeting)});
        QCOMPARE(back.todos.size(), 1);
        QCOMPARE(attendees(back.todos.first()), expected);
    }

    // A done decision is a completed to-do, completed when it was marked; an open one needs action.
    void statusFollowsTheDoneMark_data()
    {
        QTest::addColumn<QDateTime>("done");
        QTest::addColumn<int>("status");
        QTest::newRow("open") << QDateTime() << int(ICAL_STATUS_NEEDSACTION);
        QTest::newRow("done") << QDateTime(QDate(2003, 3, 15), QTime(9, 0), QTimeZone(3600))
                              << int(ICAL_STATUS_COMPLETED);
    }

    void statusFollowsTheDoneMark()
    {
        QFETCH(QDateTime, done);
        QFETCH(int, status);
        MeetingValue meeting = valueOf(*makeMeeting("Budget", {"A"}));
        meeting.problems[0].done = done;
        const Export back({recordOf(meeting)});
        QCOMPARE(int(icalcomponent_get_status(back.todos.value(0))), status);
        icalproperty *completed
            = icalcomponent_get_first_property(back.todos.value(0), ICAL_COMPLETED_PROPERTY);
        QCOMPARE(completed ? qint64(icaltime_as_timet(icalproperty_get_completed(completed))) : -1,
                 done.isValid() ? done.toSecsSinceEpoch() : -1);
    }

    // Each row's problem against problem 0 of twins(); the export names it as uid() does.
    void uidFollowsWhatIdentifiesTheProblem_data()
    {
        QTest::addColumn<MeetingValue>("meeting");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("same");
        MeetingValue edited = twins();
        edited.problems[0].decision = "Postponed";
        edited.problems[0].due = edited.problems[0].due.addDays(7);
        edited.problems[0].notes = "Asked again";
        edited.problems[0].responsibles = {personValue("Zoe", "Ng")};
        edited.problems[0].done = exportTime;
        MeetingValue staff = twins();
        staff.subject = "Staff";
        MeetingValue nextDay = twins();
        nextDay.date = nextDay.date.addDays(1);
        QTest::newRow("read again") << twins() << 0 << true;
        QTest::newRow("decision, due, notes, people, done mark edited") << edited << 0 << true;
        QTest::newRow("identical problem in one meeting") << twins() << 1 << false;
        QTest::newRow("meeting on another subject") << staff << 0 << false;
        QTest::newRow("meeting on another day") << nextDay << 0 << false;
    }

    void uidFollowsWhatIdentifiesTheProblem()
    {
        QFETCH(MeetingValue, meeting);
        QFETCH(int, index);
        QFETCH(bool, same);
        const Meeting *original = recordOf(twins());
        Meeting *other = recordOf(meeting);
        const QString uid = DueDateCalendar::uid(*other, *other->problems->at(index));
        QCOMPARE(Export({other}).each(icalcomponent_get_uid).value(index), uid);
        QCOMPARE(DueDateCalendar::uid(*original, *original->problems->first()) == uid, same);
    }
};

QTEST_MAIN(tst_DueDateCalendar)
#include "tst_duedatecalendar.moc"
