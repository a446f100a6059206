// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef STYLESHEETFOLDER_H
#define STYLESHEETFOLDER_H

#include <QString>

#include "document/meetingfile.h"

// The folder xsltproc runs in, so that the bare name "mootrak.xsl" finds the stylesheet: the
// folder Mootrak was started in when it holds one (a stylesheet of the user's own, or share/ of
// the source tree), else the folder an installed Mootrak keeps its data in, else share/ of the
// source tree a program not installed was built in. Without any, the folder started in.
QString stylesheetFolder();

using MeetingFile::stylesheetName;

#endif // STYLESHEETFOLDER_H
