#ifndef DECISIONREGISTER_H
#define DECISIONREGISTER_H

#include <QAbstractTableModel>
#include <QDateTime>
#include <QHash>
#include <QList>

#include "model/meeting.h"

// Every problem of every loaded meeting, one row each, in meeting and problem order. The texts
// are read from the records whenever they are shown, so a row is never stale; what changes the
// order or the filter is announced through setMeetings() and problemEdited().
class DecisionRegister : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        DueColumn,
        OverdueColumn,
        MeetingColumn,
        ProblemColumn,
        DecisionColumn,
        ResponsiblesColumn,
        ColumnCount
    };
    // The due date as milliseconds since the epoch, a problem without one last.
    static constexpr int DueOrderRole = Qt::UserRole;

    explicit DecisionRegister(QObject *parent = nullptr);

    // Rows for the problems of these meetings; a due date before `now` is overdue.
    void setMeetings(const QList<Meeting *> &meetings, const QDateTime &now);
    // Overdue is measured against this moment from now on.
    void setNow(const QDateTime &now);
    // The problem's texts or due date changed.
    void problemEdited(const Problem *problem);

    Meeting *meetingAt(int row) const { return rows.value(row).meeting; }
    Problem *problemAt(int row) const { return rows.value(row).problem; }
    bool isOverdue(int row) const;
    QString text(int row, int column) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    struct Row
    {
        Meeting *meeting = nullptr;
        Problem *problem = nullptr;
    };
    QList<Row> rows;
    QHash<const Problem *, int> rowOfProblem;
    QDateTime now;
};

#endif // DECISIONREGISTER_H
