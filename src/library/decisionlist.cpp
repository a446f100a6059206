// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/decisionlist.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>
#include <QtConcurrent>

#include <algorithm>

#include "document/atomicfile.h"
#include "library/meetingfolder.h"
#include "library/scannedmeeting.h"
#include "register/decisionregister.h"
#include "register/duedatecalendar.h"

namespace DecisionList {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("DecisionList", text);
}

// Every meeting under the paths, read on all cores; what could not be read is told on `errors`.
QList<ScannedMeeting> readAll(const QStringList &paths, QTextStream &errors, bool &complete)
{
    const MeetingFolder::Listing listing = MeetingFolder::list(paths);
    const QList<ScannedMeeting> files
        = QtConcurrent::blockingMapped(listing.files, scanMeetingFile);
    complete = true;
    for (const MeetingFolder::Skipped &skipped : listing.skipped) {
        complete = complete && !skipped.unreadable;
        errors << QDir::toNativeSeparators(skipped.path) << ": " << skipped.reason << Qt::endl;
    }
    for (const ScannedMeeting &file : files) {
        if (!file.isUnreadable())
            continue;
        complete = false;
        errors << QDir::toNativeSeparators(file.path) << ": " << file.reason << Qt::endl;
    }
    return files;
}

QString field(const QString &text)
{
    QString flat = text;
    for (QChar &c : flat) {
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    }
    return flat;
}

struct Line
{
    qint64 dueOrder;
    QString text;
};

QString state(const Decision &decision, const QDateTime &now)
{
    if (decision.isDone())
        return QStringLiteral("done");
    return decision.isOverdueAt(now) ? QStringLiteral("overdue") : QStringLiteral("open");
}

bool shown(const QString &state, Show show)
{
    switch (show) {
    case Show::Open:
        return state != QLatin1String("done");
    case Show::Overdue:
        return state == QLatin1String("overdue");
    case Show::All:
        return true;
    }
    return true;
}

} // namespace

int print(const QStringList &paths, Show show, const QDateTime &now, QTextStream &out,
          QTextStream &errors)
{
    bool complete = true;
    const QList<ScannedMeeting> files = readAll(paths, errors, complete);
    QList<Line> lines;
    for (const ScannedMeeting &file : files) {
        if (!file.isMeeting())
            continue;
        for (const Problem *problem : std::as_const(*file.meeting->problems)) {
            const Decision &decision = *problem->decision;
            const QString decisionState = state(decision, now);
            if (!shown(decisionState, show))
                continue;
            const QStringList fields {decision.due.isValid() ? decision.due.toString(Qt::ISODate)
                                                             : QString(),
                                      decisionState,
                                      file.meeting->subject,
                                      problem->shortDescription,
                                      DecisionRegister::firstLine(decision.text),
                                      DecisionRegister::displayNames(*problem->responsibles),
                                      QDir::toNativeSeparators(file.path)};
            QStringList flat;
            for (const QString &text : fields)
                flat << field(text);
            lines.append({decision.due.isValid() ? decision.due.toMSecsSinceEpoch()
                                                 : std::numeric_limits<qint64>::max(),
                          flat.join(u'\t')});
        }
    }
    std::stable_sort(lines.begin(), lines.end(),
                     [](const Line &a, const Line &b) { return a.dueOrder < b.dueOrder; });
    for (const Line &line : std::as_const(lines))
        out << line.text << '\n';
    out.flush();
    return complete ? 0 : 2;
}

int exportDueDates(const QString &calendarFile, const QStringList &paths, const QDateTime &now,
                   QTextStream &errors)
{
    bool complete = true;
    const QList<ScannedMeeting> files = readAll(paths, errors, complete);
    QList<Meeting *> meetings;
    for (const ScannedMeeting &file : files) {
        if (file.isMeeting())
            meetings.append(file.meeting.get());
    }
    int todoCount = 0;
    const QByteArray calendar = DueDateCalendar::text(meetings, now, todoCount);
    QString reason = tr("The calendar could not be made.");
    if (calendar.isEmpty() || !AtomicFile::write(calendarFile, calendar, reason)) {
        errors << QDir::toNativeSeparators(calendarFile) << ": " << reason << Qt::endl;
        return 1;
    }
    return complete ? 0 : 2;
}

} // namespace DecisionList
