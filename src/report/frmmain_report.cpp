// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmmain.h"

#include "app/trace.h"
#include "report/meetingreport.h"

QString frmMain::buildEmailBody(int iM)
{
    const Meeting *meeting = meetings->value(iM);
    if (!meeting) {
        trace(QStringLiteral("No meeting choosed"));
        return QString();
    }
    return MeetingReport::text(*meeting);
}
