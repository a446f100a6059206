// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MEETINGDROP_H
#define MEETINGDROP_H

#include <QObject>

class frmMain;
class QMimeData;

// Meeting files dropped anywhere on the main window open as Open with Add does, in the order
// dropped, without a question. Set up from outside the window, so a window built by other code
// takes no drops. Drops that carry no local file, text say, go where they always went.
class MeetingDrop : public QObject
{
    Q_OBJECT

public:
    explicit MeetingDrop(frmMain &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static QStringList localFiles(const QMimeData *data);

    frmMain &window;
};

#endif // MEETINGDROP_H
