// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/decisionregister.h"

#include <QBrush>
#include <QDir>
#include <QFileInfo>
#include <QFont>

#include <limits>

#include "app/dateformat.h"

DecisionRegister::DecisionRegister(QObject *parent)
    : QAbstractTableModel(parent)
{ }

static constexpr qint64 undated = std::numeric_limits<qint64>::max();

DecisionRegister::Row DecisionRegister::rowFor(Meeting *meeting, Problem *problem,
                                               const QString &file, bool loaded, qint64 dueOrder)
{
    return {meeting, problem, dueOrder, file, loaded};
}

void DecisionRegister::appendRows(Meeting *meeting, const QString &file, bool loaded,
                                  const QList<qint64> &dueOrders)
{
    const QList<Problem *> &problems = *meeting->problems;
    const bool ordersKnown = dueOrders.size() == problems.size();
    for (qsizetype i = 0; i < problems.size(); ++i) {
        Problem *problem = problems.at(i);
        rowOfProblem.insert(problem, int(rows.size()));
        rows.append(rowFor(meeting, problem, file, loaded,
                           ordersKnown ? dueOrders.at(i) : problem->decision->dueOrder()));
    }
}

void DecisionRegister::setMeetings(const QList<Meeting *> &meetings, const QDateTime &now,
                                   const QList<FileMeeting> &files)
{
    beginResetModel();
    this->now = now.toMSecsSinceEpoch();
    rows.clear();
    rowOfProblem.clear();
    for (Meeting *meeting : meetings)
        appendRows(meeting, meeting->fileName, true);
    for (const FileMeeting &file : files)
        appendRows(file.meeting, file.file, false, file.dueOrders);
    endResetModel();
}

void DecisionRegister::setNow(const QDateTime &now)
{
    this->now = now.toMSecsSinceEpoch();
    if (!rows.isEmpty())
        emit dataChanged(index(0, 0), index(int(rows.size()) - 1, ColumnCount - 1));
}

void DecisionRegister::problemEdited(const Problem *problem)
{
    const int row = rowOfProblem.value(problem, -1);
    if (row == -1)
        return;
    const Row &old = rows.at(row);
    rows[row]
        = rowFor(old.meeting, old.problem, old.file, old.loaded, old.problem->decision->dueOrder());
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

bool DecisionRegister::isOverdue(int row) const
{
    const qint64 due = rows.at(row).dueOrder;
    // Decision::isOverdueAt(), on the due date's moment kept for the row.
    return due != undated && due < now && !isDone(row);
}

QString DecisionRegister::firstLine(const QString &text)
{
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (!line.trimmed().isEmpty())
            return line.trimmed().toString();
    }
    return QString();
}

QString DecisionRegister::displayNames(const QList<Participant *> &persons)
{
    QStringList names;
    for (const Participant *person : persons) {
        const QString name = (person->firstName + u' ' + person->secondName).simplified();
        names << (name.isEmpty() ? person->email : name);
    }
    return names.join(QLatin1String("; "));
}

QString DecisionRegister::text(int row, int column) const
{
    const Row &entry = rows.at(row);
    const Decision &decision = *entry.problem->decision;
    switch (column) {
    case DoneColumn:
        return decision.isDone() ? decision.done.toString(DateFormat::displayToMinute) : QString();
    case DueColumn:
        return entry.dueOrder == undated
            ? tr("no date")
            : entry.problem->decision->due.toString(DateFormat::displayToMinute);
    case OverdueColumn:
        return isOverdue(row) ? tr("overdue") : QString();
    case MeetingColumn:
        return entry.meeting->subject;
    case ProblemColumn:
        return entry.problem->shortDescription;
    case DecisionColumn:
        return decision.text.trimmed().isEmpty() ? tr("no decision yet") : firstLine(decision.text);
    case ResponsiblesColumn:
        return displayNames(*entry.problem->responsibles);
    case FileColumn:
        return QFileInfo(entry.file).fileName();
    }
    return QString();
}

int DecisionRegister::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows.size());
}

int DecisionRegister::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant DecisionRegister::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows.size())
        return QVariant();
    const int row = index.row();
    switch (role) {
    case Qt::DisplayRole:
        return text(row, index.column());
    case Qt::ToolTipRole: // the whole decision, where the column shows its first line
        if (index.column() == DecisionColumn
            && !rows.at(row).problem->decision->text.trimmed().isEmpty())
            return rows.at(row).problem->decision->text;
        if (index.column() == FileColumn)
            return QDir::toNativeSeparators(rows.at(row).file);
        return text(row, index.column());
    case Qt::CheckStateRole:
        if (index.column() == DoneColumn)
            return isDone(row) ? Qt::Checked : Qt::Unchecked;
        return QVariant();
    case Qt::FontRole:
        return rowFont(row, index.column());
    case Qt::ForegroundRole:
        return rowForeground(row);
    case Qt::BackgroundRole:
        return isOverdue(row) ? QBrush(QColor(0xff, 0xd8, 0xd0)) : QVariant();
    }
    return QVariant();
}

// Overdue rows are bold dark text on a light band, which also reads in grey scale.
QVariant DecisionRegister::rowFont(int row, int column) const
{
    if (isOverdue(row)) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (column == DecisionColumn && rows.at(row).problem->decision->text.trimmed().isEmpty()) {
        QFont italic;
        italic.setItalic(true);
        return italic;
    }
    return QVariant();
}

// Done rows are greyed, like text that no longer asks for anything.
QVariant DecisionRegister::rowForeground(int row) const
{
    if (isOverdue(row))
        return QBrush(QColor(0x80, 0x00, 0x00));
    if (isDone(row))
        return QBrush(QColor(0x80, 0x80, 0x80));
    return QVariant();
}

Qt::ItemFlags DecisionRegister::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return index.column() == DoneColumn ? flags | Qt::ItemIsUserCheckable : flags;
}

bool DecisionRegister::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::CheckStateRole || index.column() != DoneColumn || index.row() >= rows.size())
        return false;
    emit doneRequested(index.row(), value.toInt() == Qt::Checked);
    return true;
}

QVariant DecisionRegister::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case DoneColumn:
        return tr("Done");
    case DueColumn:
        return tr("Due");
    case OverdueColumn:
        return tr("Overdue");
    case MeetingColumn:
        return tr("Meeting");
    case ProblemColumn:
        return tr("Problem");
    case DecisionColumn:
        return tr("Decision");
    case ResponsiblesColumn:
        return tr("Responsibles");
    case FileColumn:
        return tr("File");
    }
    return QVariant();
}
