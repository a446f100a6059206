// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FRMDECISIONS_H
#define FRMDECISIONS_H

#include <QDateTime>
#include <QList>
#include <QWidget>

#include <functional>
#include <memory>

#include "model/meeting.h"

class DecisionFilter;
class DecisionRegister;
class MeetingLibrary;
struct ScannedMeeting;
class QTreeWidget;
class QCheckBox;
class QLabel;
class QLineEdit;
class QModelIndex;
class QTreeView;

// The register of decisions: a window of its own beside the main window, listing every problem
// of the loaded meetings soonest due first, overdue ones marked, narrowed by a filter text. Done
// ones show only when asked for; the check column, Space and the context menu mark a decision
// done or open again.
class frmDecisions : public QWidget
{
    Q_OBJECT

public:
    explicit frmDecisions(QWidget *parent = nullptr);

    QLabel *lblFilter;
    QLineEdit *txtFilter;
    QCheckBox *chkShowDone;
    QTreeView *lvDecisions;
    QLabel *lblCount;
    QLabel *lblUnreadable;
    QTreeWidget *lvUnreadable; // files and folders of the watched folders that could not be read
    DecisionRegister *decisions;
    DecisionFilter *filter;

    // What the overdue marks are measured against; tests hand in a fixed moment.
    std::function<QDateTime()> clock = [] {
        return QDateTime::currentDateTime();
    };

    // The source row shown at a row of the view.
    int registerRow(int viewRow) const;
    // Lists the meetings of the library's files too, those not loaded; null for none.
    void setLibrary(MeetingLibrary *library);

public slots:
    void showMeetings(const QList<Meeting *> &meetings);
    void problemEdited(const Problem *problem);
    // Marks again what is overdue now; every minute while the window exists.
    void measureOverdue();

signals:
    void problemActivated(Meeting *meeting, Problem *problem);
    // Asks whoever owns the records to mark the decision done, or open again.
    void doneRequested(Meeting *meeting, Problem *problem, bool done);
    // The same for a problem of a file not loaded, by its place in the file's meeting.
    void fileActivated(const QString &file, int problem);
    void fileDoneRequested(const QString &file, int problem, bool done);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createModels();
    void createWidgets();
    void layOutWidgets();
    void sizeColumns();
    void connectSignals();
    void activate(const QModelIndex &index);
    void toggleDone(const QModelIndex &index);
    void showRowMenu(const QPoint &position);
    void showCount();
    void rebuild();
    void showUnreadable(const QList<ScannedMeeting> &scanned);
    void requestDone(int row, bool done);
    void showProgress(int done, int total);

    QList<Meeting *> loaded;
    MeetingLibrary *library = nullptr;
    QList<std::shared_ptr<Meeting>> fileMeetingsShown; // kept alive while rows point at them
    QString scanProgress; // how far the scan under way is
};

#endif // FRMDECISIONS_H
