#include "report/stylesheetfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString stylesheetFolder()
{
    const QString started = QDir::currentPath();
    if (QFileInfo(QDir(started).filePath(stylesheetName)).isFile())
        return started;
    // MOOTRAK_DATA_FROM_BIN: the data folder relative to the program's, as installed.
    const QDir installed(QCoreApplication::applicationDirPath() + QLatin1Char('/')
                         + QStringLiteral(MOOTRAK_DATA_FROM_BIN));
    if (QFileInfo(installed.filePath(stylesheetName)).isFile())
        return installed.absolutePath();
    return started;
}
