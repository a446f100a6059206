#include "register/frmdecisions.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/dateformat.h"
#include "app/formwidgets.h"
#include "register/decisionfilter.h"
#include "register/decisionregister.h"

namespace {

constexpr int windowWidth = 860;
constexpr int windowHeight = 420;
constexpr int meetingColumnWidth = 150;
constexpr int problemColumnWidth = 170;
constexpr int responsiblesColumnWidth = 170;
// Room beside a cell's text: the focus frame's margins (three of them) and this much more.
constexpr int focusFrameMargins = 3;
constexpr int extraCellPadding = 12;
constexpr int overdueCheckInterval = 60'000; // ms

// A due date as the register shows it, a zero standing for every digit.
QString widestDueDate()
{
    QString sample = DateFormat::displayToMinute;
    for (QChar &character : sample) {
        if (character.isLetter())
            character = u'0';
    }
    return sample;
}

} // namespace

frmDecisions::frmDecisions(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmDecisions"));
    setWindowTitle(tr("Open decisions"));
    resize(windowWidth, windowHeight);

    createModels();
    createWidgets();
    layOutWidgets();
    sizeColumns();
    connectSignals();
    showCount();
}

// The register sorted by due date, seen through the filter.
void frmDecisions::createModels()
{
    decisions = new DecisionRegister(this);
    filter = new DecisionFilter(this);
    filter->setSourceModel(decisions);
    filter->sort(DecisionRegister::DueColumn, Qt::AscendingOrder);
}

void frmDecisions::createWidgets()
{
    lblFilter = makeNamed<QLabel>("lblFilter", tr("&Filter:"), this);
    txtFilter = makeNamed<QLineEdit>("txtFilter", this);
    txtFilter->setPlaceholderText(tr("any text shown, e.g. a responsible's name"));
    txtFilter->setClearButtonEnabled(true);
    lblFilter->setBuddy(txtFilter);

    lvDecisions = makeNamed<QTreeView>("lvDecisions", this);
    lvDecisions->setModel(filter);
    lvDecisions->setRootIsDecorated(false);
    lvDecisions->setUniformRowHeights(true);
    lvDecisions->setAlternatingRowColors(true);
    lvDecisions->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvDecisions->setEditTriggers(QAbstractItemView::NoEditTriggers);

    lblCount = makeNamed<QLabel>("lblCount", this);
}

void frmDecisions::layOutWidgets()
{
    auto *filterRow = makeNamedBox<QHBoxLayout>("filterRow");
    filterRow->addWidget(lblFilter);
    filterRow->addWidget(txtFilter);
    auto *layout = makeOuterBox<QVBoxLayout>("frmDecisionsLayout", this);
    layout->addLayout(filterRow);
    layout->addWidget(lvDecisions);
    layout->addWidget(lblCount);
}

// The decision takes the room the other columns leave; the user may resize any of them.
void frmDecisions::sizeColumns()
{
    QHeaderView *header = lvDecisions->header();
    header->setSectionsClickable(false);
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setSectionResizeMode(DecisionRegister::DecisionColumn, QHeaderView::Stretch);
    // The date and the mark show whole also in the bold of an overdue row.
    QFont bold = lvDecisions->font();
    bold.setBold(true);
    const QFontMetrics boldMetrics(bold);
    const int padding
        = focusFrameMargins * style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + extraCellPadding;
    header->resizeSection(DecisionRegister::DueColumn,
                          boldMetrics.horizontalAdvance(widestDueDate()) + padding);
    header->resizeSection(DecisionRegister::OverdueColumn,
                          qMax(boldMetrics.horizontalAdvance(tr("overdue")) + padding,
                               header->sectionSizeHint(DecisionRegister::OverdueColumn)));
    header->resizeSection(DecisionRegister::MeetingColumn, meetingColumnWidth);
    header->resizeSection(DecisionRegister::ProblemColumn, problemColumnWidth);
    header->resizeSection(DecisionRegister::ResponsiblesColumn, responsiblesColumnWidth);
}

void frmDecisions::connectSignals()
{
    connect(txtFilter, &QLineEdit::textChanged, this, [this](const QString &text) {
        filter->setFilterText(text);
        showCount();
    });
    connect(lvDecisions, &QTreeView::activated, this, &frmDecisions::activate);
    // Due dates pass while the window stays open; a closed one is measured when shown again.
    auto *minutes = new QTimer(this);
    connect(minutes, &QTimer::timeout, this, [this] {
        if (isVisible())
            measureOverdue();
    });
    minutes->start(overdueCheckInterval);
}

int frmDecisions::registerRow(int viewRow) const
{
    return filter->mapToSource(filter->index(viewRow, 0)).row();
}

void frmDecisions::showMeetings(const QList<Meeting *> &meetings)
{
    decisions->setMeetings(meetings, clock());
    showCount();
}

void frmDecisions::measureOverdue()
{
    decisions->setNow(clock());
    showCount();
}

void frmDecisions::problemEdited(const Problem *problem)
{
    decisions->problemEdited(problem);
    showCount();
}

void frmDecisions::activate(const QModelIndex &index)
{
    const int row = filter->mapToSource(index).row();
    if (Problem *problem = decisions->problemAt(row))
        emit problemActivated(decisions->meetingAt(row), problem);
}

void frmDecisions::showCount()
{
    int overdue = 0;
    for (int row = 0; row < decisions->rowCount(); ++row)
        overdue += decisions->isOverdue(row) ? 1 : 0;
    lblCount->setText(tr("Shown: %1 of %2 problems; overdue: %3")
                          .arg(filter->rowCount())
                          .arg(decisions->rowCount())
                          .arg(overdue));
}
