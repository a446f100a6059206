// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/programstart.h"

#include <QLoggingCategory>
#include <QSettings>
#include <QSplitter>

#include "app/frmmain.h"
#include "desktop/meetingdrop.h"
#include "desktop/windowplacement.h"

namespace ProgramStart {

static const QString mainWindowKey = QStringLiteral("mainWindow");

void setTraces(bool debug)
{
    QLoggingCategory::setFilterRules(debug ? QString() : QStringLiteral("default.debug=false"));
}

void startWindow(frmMain &window, const QStringList &files, const QString &journalFolder)
{
    window.rememberMeetingFolders();
    window.rememberWindowPlaces();
    QSettings settings;
    WindowPlacement::restore(settings, mainWindowKey, window, window.Splitter5);
    new MeetingDrop(window);
    window.show();
    for (const QString &file : files)
        window.addFile(file);
    window.keepRecoveryJournal(journalFolder);
}

void endWindow(const frmMain &window)
{
    QSettings settings;
    WindowPlacement::save(settings, mainWindowKey, window, window.Splitter5);
}

} // namespace ProgramStart
