// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DECISIONREGISTER_H
#define DECISIONREGISTER_H

#include <QAbstractTableModel>
#include <QDateTime>
#include <QHash>
#include <QList>

#include "model/meeting.h"

// Every problem of every loaded meeting, one row each, in meeting and problem order. The texts
// are read from the records whenever they are shown, but for the due date, which is taken when
// the rows are made and again at each problemEdited(). The done column is a check box; checking
// it only asks for the change (doneRequested), which whoever owns the records makes. Rows of
// meetings read from watched folders follow those of the loaded meetings.
class DecisionRegister : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        DoneColumn,
        DueColumn,
        OverdueColumn,
        MeetingColumn,
        ProblemColumn,
        DecisionColumn,
        ResponsiblesColumn,
        FileColumn,
        ColumnCount
    };
    explicit DecisionRegister(QObject *parent = nullptr);

    // A meeting of a file in a watched folder, not loaded in the window.
    struct FileMeeting
    {
        Meeting *meeting;
        QString file;
        QList<qint64> dueOrders; // of its problems, when known already
    };
    // Rows for the problems of the loaded meetings, then of the files' meetings; a due date before
    // `now` is overdue.
    void setMeetings(const QList<Meeting *> &meetings, const QDateTime &now,
                     const QList<FileMeeting> &files = {});
    // Overdue is measured against this moment from now on.
    void setNow(const QDateTime &now);
    // The problem's texts or due date changed.
    void problemEdited(const Problem *problem);

    Meeting *meetingAt(int row) const { return rows.value(row).meeting; }
    Problem *problemAt(int row) const { return rows.value(row).problem; }
    // The row's meeting is loaded in the window, not only read from its file.
    bool isLoaded(int row) const { return rows.at(row).loaded; }
    QString fileAt(int row) const { return rows.at(row).file; }
    bool isDone(int row) const { return rows.at(row).problem->decision->isDone(); }
    // Open and past its due date.
    bool isOverdue(int row) const;
    // The due date as milliseconds since the epoch; a problem without one sorts last.
    qint64 dueOrder(int row) const { return rows.at(row).dueOrder; }
    QString text(int row, int column) const;

    // The first line of a decision that is not blank.
    static QString firstLine(const QString &text);
    // "First Second" per person, or the address of one without a name, joined by "; ".
    static QString displayNames(const QList<Participant *> &persons);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

signals:
    void doneRequested(int row, bool done);

private:
    QVariant rowFont(int row, int column) const;
    QVariant rowForeground(int row) const;

    // A local date's conversion to a moment costs a time zone lookup, too much to repeat for each
    // comparison of a sort or each row of a filter: it is made once per row and per edit. The
    // date's text is made only for the rows shown.
    struct Row
    {
        Meeting *meeting = nullptr;
        Problem *problem = nullptr;
        qint64 dueOrder = 0;
        QString file;
        bool loaded = true;
    };
    static Row rowFor(Meeting *meeting, Problem *problem, const QString &file, bool loaded,
                      qint64 dueOrder);
    void appendRows(Meeting *meeting, const QString &file, bool loaded,
                    const QList<qint64> &dueOrders = {});
    QList<Row> rows;
    QHash<const Problem *, int> rowOfProblem;
    qint64 now = 0;
};

#endif // DECISIONREGISTER_H
