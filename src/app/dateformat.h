// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DATEFORMAT_H
#define DATEFORMAT_H

#include <QString>

// How dates and times are shown on screen; the meeting documents and reports keep their own text
// form.
namespace DateFormat {

// The editors show the seconds: the documents keep them, and what is shown is what is saved.
inline const QString display = QStringLiteral("yyyy-MM-dd hh:mm:ss");

// The register lists due dates to the minute: a due date's seconds matter to no one reading a
// list, and its date column stays narrow.
inline const QString displayToMinute = QStringLiteral("yyyy-MM-dd hh:mm");

} // namespace DateFormat

#endif // DATEFORMAT_H
