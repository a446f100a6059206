// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/meetingfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace MeetingFolder {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("MeetingFolder", text);
}

bool isMeetingFileName(const QString &name)
{
    return name.endsWith(QLatin1String(".xml"), Qt::CaseInsensitive);
}

// Walks one folder depth first. Hidden files are left out: they are the temporary and backup
// copies of editors and sync clients.
void walk(const QString &folder, Listing &listing)
{
    const QDir dir(folder);
    if (!dir.isReadable()) {
        listing.skipped.append({folder, tr("The folder cannot be read.")});
        return;
    }
    listing.folders.append(folder);
    const QFileInfoList entries
        = dir.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (entry.isSymLink() && entry.isDir())
            listing.skipped.append(
                {entry.filePath(), tr("A link to a folder is not followed."), false});
        else if (entry.isDir())
            walk(entry.filePath(), listing);
        else if (isMeetingFileName(entry.fileName()))
            listing.files.append(entry.filePath());
    }
}

} // namespace

Listing list(const QStringList &paths)
{
    Listing listing;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (info.isDir())
            walk(QDir::cleanPath(info.absoluteFilePath()), listing);
        else if (info.exists())
            listing.files.append(info.absoluteFilePath());
        else
            listing.skipped.append({path, tr("There is no such file or folder.")});
    }
    return listing;
}

} // namespace MeetingFolder
