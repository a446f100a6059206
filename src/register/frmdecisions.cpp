// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/frmdecisions.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSet>
#include <QStyle>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/dateformat.h"
#include "app/formwidgets.h"
#include "app/itemmargindelegate.h"
#include "library/meetinglibrary.h"
#include "register/decisionfilter.h"
#include "register/decisionregister.h"

namespace {

constexpr int windowWidth = 1180;
constexpr int windowHeight = 420;
constexpr int meetingColumnWidth = 150;
constexpr int problemColumnWidth = 170;
constexpr int responsiblesColumnWidth = 170;
constexpr int fileColumnWidth = 140;
constexpr int unreadableListHeight = 90;
// Room beside a cell's text: the focus frame's margins (three of them) and this much more.
constexpr int focusFrameMargins = 3;
constexpr int extraCellPadding = 12;
constexpr int overdueCheckInterval = 60'000; // ms
constexpr int checkBoxRowMargin = 2;

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
    chkShowDone = makeNamed<QCheckBox>("chkShowDone", tr("Show &done"), this);

    lvDecisions = makeNamed<QTreeView>("lvDecisions", this);
    lvDecisions->setModel(filter);
    lvDecisions->setRootIsDecorated(false);
    lvDecisions->setUniformRowHeights(true);
    lvDecisions->setAlternatingRowColors(true);
    lvDecisions->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvDecisions->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Room for the check boxes of the done column, which the text alone would clip.
    lvDecisions->setItemDelegate(new ItemMarginDelegate(checkBoxRowMargin, lvDecisions));
    lvDecisions->setContextMenuPolicy(Qt::CustomContextMenu);
    lvDecisions->installEventFilter(this);

    lblCount = makeNamed<QLabel>("lblCount", this);

    lblUnreadable = makeNamed<QLabel>("lblUnreadable", tr("Files that could not be read:"), this);
    lvUnreadable = makeNamed<QTreeWidget>("lvUnreadable", this);
    lvUnreadable->setHeaderLabels({tr("File"), tr("Reason")});
    lvUnreadable->setRootIsDecorated(false);
    lvUnreadable->setMaximumHeight(unreadableListHeight);
    lvUnreadable->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    lblUnreadable->setBuddy(lvUnreadable);
    lblUnreadable->hide();
    lvUnreadable->hide();
}

void frmDecisions::layOutWidgets()
{
    auto *filterRow = makeNamedBox<QHBoxLayout>("filterRow");
    filterRow->addWidget(lblFilter);
    filterRow->addWidget(txtFilter);
    filterRow->addWidget(chkShowDone);
    auto *layout = makeOuterBox<QVBoxLayout>("frmDecisionsLayout", this);
    layout->addLayout(filterRow);
    layout->addWidget(lvDecisions);
    layout->addWidget(lblCount);
    layout->addWidget(lblUnreadable);
    layout->addWidget(lvUnreadable);
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
    const int dateWidth = boldMetrics.horizontalAdvance(widestDueDate()) + padding;
    header->resizeSection(DecisionRegister::DoneColumn,
                          dateWidth + style()->pixelMetric(QStyle::PM_IndicatorWidth)
                              + style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing));
    header->resizeSection(DecisionRegister::DueColumn, dateWidth);
    header->resizeSection(DecisionRegister::OverdueColumn,
                          qMax(boldMetrics.horizontalAdvance(tr("overdue")) + padding,
                               header->sectionSizeHint(DecisionRegister::OverdueColumn)));
    header->resizeSection(DecisionRegister::MeetingColumn, meetingColumnWidth);
    header->resizeSection(DecisionRegister::ProblemColumn, problemColumnWidth);
    header->resizeSection(DecisionRegister::ResponsiblesColumn, responsiblesColumnWidth);
    header->resizeSection(DecisionRegister::FileColumn, fileColumnWidth);
}

void frmDecisions::connectSignals()
{
    connect(txtFilter, &QLineEdit::textChanged, this, [this](const QString &text) {
        filter->setFilterText(text);
        showCount();
    });
    connect(chkShowDone, &QCheckBox::toggled, this, [this](bool show) {
        filter->setShowDone(show);
        showCount();
    });
    connect(lvDecisions, &QTreeView::activated, this, &frmDecisions::activate);
    connect(lvDecisions, &QTreeView::customContextMenuRequested, this, &frmDecisions::showRowMenu);
    connect(decisions, &DecisionRegister::doneRequested, this, &frmDecisions::requestDone);
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

void frmDecisions::setLibrary(MeetingLibrary *library)
{
    if (this->library)
        disconnect(this->library, nullptr, this, nullptr);
    this->library = library;
    if (!library)
        return rebuild();
    connect(library, &MeetingLibrary::changed, this, [this] {
        if (isVisible())
            rebuild();
    });
    connect(library, &MeetingLibrary::progress, this, &frmDecisions::showProgress);
    rebuild();
}

void frmDecisions::showMeetings(const QList<Meeting *> &meetings)
{
    loaded = meetings;
    rebuild();
}

// A file loaded in the window shows once, as loaded, with its unsaved edits.
void frmDecisions::rebuild()
{
    QList<DecisionRegister::FileMeeting> files;
    QList<std::shared_ptr<Meeting>> kept;
    const QList<ScannedMeeting> scanned = library ? library->files() : QList<ScannedMeeting>();
    if (library) {
        QSet<QString> loadedFiles;
        for (const Meeting *meeting : std::as_const(loaded)) {
            if (!meeting->fileName.isEmpty())
                loadedFiles.insert(QFileInfo(meeting->fileName).canonicalFilePath());
        }
        for (const ScannedMeeting &file : scanned) {
            if (file.isMeeting() && !loadedFiles.contains(file.canonicalPath)) {
                files.append({file.meeting.get(), file.path, file.dueOrders});
                kept.append(file.meeting);
            }
        }
    }
    decisions->setMeetings(loaded, clock(), files);
    fileMeetingsShown = kept; // the rows no longer point at the meetings let go here
    showUnreadable(scanned);
    showCount();
}

void frmDecisions::showUnreadable(const QList<ScannedMeeting> &scanned)
{
    lvUnreadable->clear();
    if (library) {
        QList<QTreeWidgetItem *> items;
        for (const ScannedMeeting &file : scanned) {
            if (file.isUnreadable())
                items.append(
                    new QTreeWidgetItem({QDir::toNativeSeparators(file.path), file.reason}));
        }
        for (const MeetingFolder::Skipped &skipped : library->skipped())
            items.append(
                new QTreeWidgetItem({QDir::toNativeSeparators(skipped.path), skipped.reason}));
        lvUnreadable->addTopLevelItems(items);
    }
    const bool any = lvUnreadable->topLevelItemCount() > 0;
    lblUnreadable->setVisible(any);
    lvUnreadable->setVisible(any);
}

// The count line tells how far a scan is: a line of text costs the window nothing to lay out,
// where showing and hiding a bar would lay out the whole list again.
void frmDecisions::showProgress(int done, int total)
{
    scanProgress = tr("reading meeting files: %1 of %2").arg(done).arg(total);
    showCount();
}

// A row of a file not loaded is asked for by the file and the problem's place in it.
void frmDecisions::requestDone(int row, bool done)
{
    Meeting *meeting = decisions->meetingAt(row);
    Problem *problem = decisions->problemAt(row);
    if (decisions->isLoaded(row))
        emit doneRequested(meeting, problem, done);
    else
        emit fileDoneRequested(decisions->fileAt(row), int(meeting->problems->indexOf(problem)),
                               done);
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
    Problem *problem = decisions->problemAt(row);
    Meeting *meeting = decisions->meetingAt(row);
    if (!problem)
        return;
    if (decisions->isLoaded(row))
        emit problemActivated(meeting, problem);
    else
        emit fileActivated(decisions->fileAt(row), int(meeting->problems->indexOf(problem)));
}

// Asks for the opposite of the row's mark, through the check column as a click would.
void frmDecisions::toggleDone(const QModelIndex &index)
{
    const int row = filter->mapToSource(index).row();
    if (row < 0)
        return;
    decisions->setData(decisions->index(row, DecisionRegister::DoneColumn),
                       decisions->isDone(row) ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}

// Space marks the current row, whichever of its cells has the focus.
bool frmDecisions::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lvDecisions && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space
        && lvDecisions->currentIndex().isValid()) {
        toggleDone(lvDecisions->currentIndex());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmDecisions::showRowMenu(const QPoint &position)
{
    const QModelIndex index = lvDecisions->indexAt(position);
    if (!index.isValid())
        return;
    const bool done = decisions->isDone(filter->mapToSource(index).row());
    QMenu menu(this);
    QAction *mark = menu.addAction(done ? tr("Mark as &open") : tr("Mark as &done"));
    QAction *show = menu.addAction(tr("&Show in the meeting"));
    QAction *chosen = menu.exec(lvDecisions->viewport()->mapToGlobal(position));
    if (chosen == mark)
        toggleDone(index);
    else if (chosen == show)
        activate(index);
}

void frmDecisions::showCount()
{
    int overdue = 0;
    int done = 0;
    for (int row = 0; row < decisions->rowCount(); ++row) {
        overdue += decisions->isOverdue(row) ? 1 : 0;
        done += decisions->isDone(row) ? 1 : 0;
    }
    QString count = tr("Shown: %1 of %2 problems; open: %3, overdue: %4, done: %5")
                        .arg(filter->rowCount())
                        .arg(decisions->rowCount())
                        .arg(decisions->rowCount() - done)
                        .arg(overdue)
                        .arg(done);
    if (library && library->isScanning())
        count += QLatin1String("; ") + scanProgress;
    lblCount->setText(count);
}
