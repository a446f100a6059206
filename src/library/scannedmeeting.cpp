// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/scannedmeeting.h"

#include <QFileInfo>

#include "document/meetingfile.h"
#include "document/meetingreader.h"

ScannedMeeting scanMeetingFile(const QString &path)
{
    ScannedMeeting scanned;
    scanned.path = path;
    const QFileInfo info(path);
    scanned.canonicalPath = info.canonicalFilePath();
    scanned.modified = info.lastModified();
    scanned.size = info.size();
    // A file far too large is refused before any of it is read.
    if (info.isFile() && info.size() > MeetingFile::maxFileSize) {
        scanned.reason = MeetingFile::tooLargeMessage();
        return scanned;
    }
    QByteArray contents;
    QDomDocument document;
    if (!MeetingFile::readRegularFile(path, contents, scanned.reason)
        || !MeetingFile::parse(std::move(contents), document, scanned.reason))
        return scanned;
    if (document.documentElement().tagName().compare(MeetingFile::Tag::meeting, Qt::CaseInsensitive)
        != 0)
        return scanned;
    scanned.meeting.reset(MeetingFile::readMeeting(document));
    for (const Problem *problem : std::as_const(*scanned.meeting->problems))
        scanned.dueOrders.append(problem->decision->dueOrder());
    return scanned;
}
