#ifndef DECISIONREGISTER_H
#define DECISIONREGISTER_H

#include <QAbstractTableModel>
#include <QDateTime>
#include <QHash>
#include <QList>

#include "model/meeting.h"

// Every problem of every loaded meeting, one row each, in meeting and problem order. The texts
// are read from the records whenever they are shown, but for the due date, which is taken when
// the rows are made and again at each problemEdited().
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
    // The due date as milliseconds since the epoch; a problem without one sorts last.
    qint64 dueOrder(int row) const { return rows.at(row).dueOrder; }
    QString text(int row, int column) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    // A local date's conversion to a moment costs a time zone lookup, too much to repeat for each
    // comparison of a sort or each row of a filter: it is made once per row and per edit.
    struct Row
    {
        Meeting *meeting = nullptr;
        Problem *problem = nullptr;
        qint64 dueOrder = 0;
        QString dueText;
    };
    static Row rowFor(Meeting *meeting, Problem *problem);
    QList<Row> rows;
    QHash<const Problem *, int> rowOfProblem;
    qint64 now = 0;
};

#endif // DECISIONREGISTER_H
