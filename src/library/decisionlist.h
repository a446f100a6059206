// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DECISIONLIST_H
#define DECISIONLIST_H

#include <QDateTime>
#include <QStringList>

class QTextStream;

// The register on the command line, for scripts: the decisions of meeting files and folders,
// read without a window.
namespace DecisionList {

enum class Show { Open, Overdue, All }; // open includes overdue; all includes done

// One decision per line, soonest due first and undated last, tab-separated: due date (ISO 8601,
// empty when none), state (open, overdue or done), meeting subject, problem, the first line of
// the decision, responsibles, file. Tabs and line breaks inside a field become spaces. A file
// that cannot be read is named with its reason on `errors`. Returns the exit status: 0, or 2
// when some file could not be read.
int print(const QStringList &paths, Show show, const QDateTime &now, QTextStream &out,
          QTextStream &errors);

// Writes the calendar of the due dates of those files to `calendarFile`, as Export due dates
// does. Returns 0; 2 when some file could not be read; 1 when the calendar could not be written.
int exportDueDates(const QString &calendarFile, const QStringList &paths, const QDateTime &now,
                   QTextStream &errors);

} // namespace DecisionList

#endif // DECISIONLIST_H
