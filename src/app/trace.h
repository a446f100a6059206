// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TRACE_H
#define TRACE_H

// Diagnostic traces, written by the main window's slots (src/document, src/mainwindow,
// src/report) and by the wizard (src/wizard).

#include <QDebug>
#include <QLoggingCategory>
#include <QString>

// Traces go to the default category, so QT_LOGGING_RULES="default.debug=false" silences them.
// Even a silenced qDebug() costs time, so traces in loops ask tracing() first and build their
// text only when someone reads it.
inline bool tracing()
{
    return QLoggingCategory::defaultCategory()->isDebugEnabled();
}

inline void trace(const QString &text)
{
    if (tracing())
        qDebug().noquote() << text;
}

#endif // TRACE_H
