// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/meetingdrop.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "app/frmmain.h"

MeetingDrop::MeetingDrop(frmMain &mainWindow)
    : QObject(&mainWindow)
    , window(mainWindow)
{
    window.setAcceptDrops(true);
    // The text boxes take drops of their own; the application's filter sees them first.
    qApp->installEventFilter(this);
}

QStringList MeetingDrop::localFiles(const QMimeData *data)
{
    QStringList files;
    for (const QUrl &url : data ? data->urls() : QList<QUrl>()) {
        if (url.isLocalFile())
            files << url.toLocalFile();
    }
    return files;
}

bool MeetingDrop::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != &window)
        return false;
    auto *drop = static_cast<QDropEvent *>(event);
    const QStringList files = localFiles(drop->mimeData());
    if (files.isEmpty())
        return false;
    drop->acceptProposedAction();
    // Opened once the drop has ended: a box about a file that cannot be opened must not hold
    // the dragging program up.
    if (type == QEvent::Drop) {
        QMetaObject::invokeMethod(
            this,
            [this, files] {
                for (const QString &file : files)
                    window.addFile(file);
            },
            Qt::QueuedConnection);
    }
    return true;
}
