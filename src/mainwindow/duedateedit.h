// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DUEDATEEDIT_H
#define DUEDATEEDIT_H

#include <QDateTimeEdit>

// A date and time box that can also show that a record has no date. "No date" is the box's
// minimum, shown as text; it reads back as a null date, so a record without a date never takes
// on the date the box showed before.
class DueDateEdit : public QDateTimeEdit
{
    Q_OBJECT

public:
    explicit DueDateEdit(QWidget *parent = nullptr);

    // Shows the date, or "no date" for a null or invalid one.
    void showDue(const QDateTime &due);
    // The date a value of the box stands for: null for "no date".
    static QDateTime due(const QDateTime &shown);

    void stepBy(int steps) override;

public slots:
    // Shows "no date", as an edit by the user.
    void clearDue() { setDateTime(minimumDateTime()); }

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    bool showsNoDate() const { return dateTime() == minimumDateTime(); }
};

#endif // DUEDATEEDIT_H
