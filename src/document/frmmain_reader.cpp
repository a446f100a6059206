// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmmain.h"

#include "document/meetingfile.h"
#include "document/meetingreader.h"

// The reading itself needs no window; the caption is the one thing it changes here. Records the
// slots make outside a meeting live in the window's own store.

Meeting *frmMain::readXmlFile(QDomDocument domTree)
{
    Meeting *meeting = MeetingFile::readMeeting(domTree);
    if (domTree.documentElement().hasAttribute(MeetingFile::Attribute::about))
        setWindowTitle(QLatin1String("::") + meeting->subject + QLatin1String("::"));
    return meeting;
}

void frmMain::readHeader(QDomNode parent, Meeting *meeting)
{
    MeetingFile::readHeader(parent, *meeting);
}

QList<Participant *> *frmMain::readParticipants(QDomNode parent, QString nodeName)
{
    return MeetingFile::readParticipants(parent, nodeName, slotRecords);
}

Participant *frmMain::readParticipant(QDomNode parent)
{
    return MeetingFile::readParticipant(parent, slotRecords);
}

void frmMain::readProblems(QDomNode parent, Meeting *meeting)
{
    MeetingFile::readProblems(parent, *meeting);
}

Problem *frmMain::getProblem(QDomNode node)
{
    return MeetingFile::readProblem(node, slotRecords);
}
