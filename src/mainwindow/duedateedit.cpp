// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow/duedateedit.h"

#include <QCalendarWidget>

#include "app/dateformat.h"

// Far before any meeting; the box cannot go below it.
static const QDateTime noDate(QDate(1752, 9, 14), QTime(0, 0));

DueDateEdit::DueDateEdit(QWidget *parent)
    : QDateTimeEdit(parent)
{
    setDisplayFormat(DateFormat::display);
    setCalendarPopup(true);
    setMinimumDateTime(noDate);
    setSpecialValueText(tr("no date"));
    setDateTime(noDate);
}

void DueDateEdit::showDue(const QDateTime &due)
{
    setDateTime(due.isValid() && due > noDate ? due : noDate);
}

QDateTime DueDateEdit::due(const QDateTime &shown)
{
    return shown == noDate ? QDateTime() : shown;
}

// Stepping away from "no date" starts at today rather than in 1752.
void DueDateEdit::stepBy(int steps)
{
    if (showsNoDate() && steps > 0)
        setDateTime(QDateTime(QDate::currentDate(), QTime(0, 0)));
    else
        QDateTimeEdit::stepBy(steps);
}

// The calendar opens on the month of the date shown, or on this month when there is none.
void DueDateEdit::mousePressEvent(QMouseEvent *event)
{
    const bool noDateShown = showsNoDate();
    QDateTimeEdit::mousePressEvent(event);
    if (noDateShown) {
        const QDate today = QDate::currentDate();
        calendarWidget()->setCurrentPage(today.year(), today.month());
    }
}
