// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/meetingreport.h"

#include "document/meetingfile.h"

namespace MeetingReport {

// Every separator is there even for empty fields, so the tab columns stay in place.
static void appendPerson(QString &report, const Participant &person)
{
    report += person.firstName;
    report += u", ";
    report += person.secondName;
    report += u'\t';
    report += person.occupation;
    report += u"\tmailto:";
    report += person.email;
    report += u"\tPhone: ";
    report += person.phone;
    report += u'\n';
}

static void appendHeader(QString &report, const Meeting &meeting)
{
    report += u"Subject: ";
    report += meeting.subject;
    report += u"\nAt ";
    report += meeting.place;
    report += u' ';
    report += MeetingFile::textDate(meeting.date);
    report += u"\n\nDecision:\n";
    report += meeting.decisionText;
    report += u"\n\nNotes:\n";
    report += meeting.notes;
    report += u"\n\n";
}

static void appendProblem(QString &report, const Problem &problem)
{
    report += problem.shortDescription;
    report += u'\n';
    report += problem.fullDescription;
    report += u"\n\tDecision:\n";
    report += problem.decision->text;
    report += u"\n\tDue to: ";
    report += MeetingFile::textDate(problem.decision->due);
    report += u"\n\tResponsibles:\n";
    for (const Participant *person : std::as_const(*problem.responsibles))
        appendPerson(report, *person);
    report += u"\tNotes:\n";
    report += problem.notes;
    report += u"\n\n";
}

QString text(const Meeting &meeting)
{
    QString report;
    appendHeader(report, meeting);
    report += u"Participants:\n";
    for (const Participant *person : std::as_const(*meeting.participants))
        appendPerson(report, *person);
    report += u"------------------------------------------------------------\n\n";
    report += u"Problems:\n\n";
    for (const Problem *problem : std::as_const(*meeting.problems))
        appendProblem(report, *problem);
    report += u"\n------------------- Last line --------------------------";
    return report;
}

QString recipients(const Meeting &meeting)
{
    QString list;
    const auto appendAddresses = [&list](const QList<Participant *> &persons) {
        for (const Participant *person : persons) {
            list += person->email;
            list += u',';
        }
    };
    appendAddresses(*meeting.participants);
    for (const Problem *problem : std::as_const(*meeting.problems))
        appendAddresses(*problem->responsibles);
    return list;
}

QString mailBody(const QString &report, QLatin1String note, qsizetype maxBytes)
{
    const qsizetype nul = 1;
    if (report.toUtf8().size() + nul <= maxBytes)
        return report;
    const qsizetype room = maxBytes - nul - note.size(); // the notes are ASCII
    qsizetype kept = 0; // characters of whole lines, their line breaks included
    qsizetype keptBytes = 0;
    for (const QStringView line : QStringView(report).tokenize(u'\n')) {
        const qsizetype lineBytes = line.toUtf8().size() + 1;
        if (keptBytes + lineBytes > room)
            break;
        keptBytes += lineBytes;
        kept += line.size() + 1;
    }
    return report.left(kept) + note;
}

QStringList addressArguments(const QString &recipients, qsizetype maxBytes)
{
    const qsizetype nul = 1;
    if (recipients.toUtf8().size() + nul <= maxBytes)
        return {recipients};
    QList<QStringView> addresses = QStringView(recipients).split(u',');
    addresses.removeLast(); // what follows the last address's ","
    QStringList arguments {QString()};
    qsizetype bytes = nul;
    for (const QStringView address : std::as_const(addresses)) {
        const qsizetype addressBytes = address.toUtf8().size() + 1; // and its ","
        if (bytes + addressBytes > maxBytes && !arguments.last().isEmpty()) {
            arguments << QString();
            bytes = nul;
        }
        arguments.last() += address;
        arguments.last() += u',';
        bytes += addressBytes;
    }
    return arguments;
}

} // namespace MeetingReport
