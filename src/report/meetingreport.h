// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MEETINGREPORT_H
#define MEETINGREPORT_H

#include <QString>
#include <QStringList>

#include "model/meeting.h"

// The plain-text report of one meeting: what Print puts on paper and what a notification sends
// as the mail's body. Free of widgets; it reads the records and changes nothing.
namespace MeetingReport {

QString text(const Meeting &meeting);

// The e-mail of every participant, then of every problem's responsibles, each followed by ",".
// Nothing is dropped: a person named twice is listed twice, an empty address stays empty.
QString recipients(const Meeting &meeting);

// The most one program argument may hold on Linux (MAX_ARG_STRLEN), in bytes as the program
// gets them, its terminating NUL included.
inline constexpr qsizetype argumentBytes = 128 * 1024;
// The line that ends a body cut short, as the mail has the page attached or not.
inline constexpr QLatin1String pageNote("The whole report is in the attached page.");
inline constexpr QLatin1String cutNote("The rest of the report does not fit into a mail.");

// The report as a mail body of at most maxBytes bytes in UTF-8, a terminating NUL included: the
// report itself when it fits, else as many of its first lines as fit before the note's line.
QString mailBody(const QString &report, QLatin1String note, qsizetype maxBytes = argumentBytes);

// The recipients, every address followed by ",", as program arguments: one, as they are, when
// they fit into one; else split after an address's "," into as many as it takes, every address
// whole, empty ones too.
QStringList addressArguments(const QString &recipients, qsizetype maxBytes = argumentBytes);

} // namespace MeetingReport

#endif // MEETINGREPORT_H
