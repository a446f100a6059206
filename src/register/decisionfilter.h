// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DECISIONFILTER_H
#define DECISIONFILTER_H

#include <QSortFilterProxyModel>

// The register soonest due first, problems without a due date last and equal dates in meeting
// and problem order; only rows showing the filter text somewhere, in any case, are kept, and
// decisions marked done only while they are asked for.
class DecisionFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit DecisionFilter(QObject *parent = nullptr);

    void setFilterText(const QString &text);
    void setShowDone(bool show);

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    QString filterText;
    bool showDone = false;
};

#endif // DECISIONFILTER_H
