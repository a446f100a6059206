#ifndef DECISIONFILTER_H
#define DECISIONFILTER_H

#include <QSortFilterProxyModel>

// The register soonest due first, problems without a due date last and equal dates in meeting
// and problem order; only rows showing the filter text somewhere, in any case, are kept.
class DecisionFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit DecisionFilter(QObject *parent = nullptr);

    void setFilterText(const QString &text);

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    QString filterText;
};

#endif // DECISIONFILTER_H
