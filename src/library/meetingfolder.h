// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MEETINGFOLDER_H
#define MEETINGFOLDER_H

#include <QList>
#include <QString>
#include <QStringList>

// Finds the meeting files under folders, without reading them.
namespace MeetingFolder {

struct Skipped
{
    QString path;
    QString reason;
    bool unreadable = true; // false for a link not followed: nothing failed there
};

// What lies under some paths: every file named *.xml, subfolders included, in path order (a
// path that is a file is taken as it is); the folders entered, to be watched; and what was passed
// over with the reason. A symbolic link to a folder is never followed, since a link can make a
// loop, and a folder that cannot be read is passed over.
struct Listing
{
    QStringList files;
    QStringList folders;
    QList<Skipped> skipped;
};

Listing list(const QStringList &paths);

} // namespace MeetingFolder

#endif // MEETINGFOLDER_H
