// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/stylesheetfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

static bool holdsStylesheet(const QDir &folder)
{
    return QFileInfo(folder.filePath(stylesheetName)).isFile();
}

// A build folder lies inside the source tree (build/, build-sanitize/, ...), its programs at
// some depth below it: the nearest folder above the program with share/ holding a stylesheet
// is the tree's. Found from the program's own place, it works from any current folder and
// names no folder of the machine that built it.
static QString sourceTreeData()
{
    QDir folder(QCoreApplication::applicationDirPath());
    while (folder.cdUp()) {
        const QDir data(folder.filePath(QStringLiteral("share")));
        if (holdsStylesheet(data))
            return data.absolutePath();
    }
    return QString();
}

QString stylesheetFolder()
{
    const QString started = QDir::currentPath();
    if (holdsStylesheet(QDir(started)))
        return started;
    // MOOTRAK_DATA_FROM_BIN: the data folder relative to the program's, as installed.
    const QDir installed(QCoreApplication::applicationDirPath() + QLatin1Char('/')
                         + QStringLiteral(MOOTRAK_DATA_FROM_BIN));
    if (holdsStylesheet(installed))
        return installed.absolutePath();
    const QString built = sourceTreeData();
    return built.isEmpty() ? started : built;
}
