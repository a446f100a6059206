// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MEETINGWRITER_H
#define MEETINGWRITER_H

#include <QString>

#include "model/meeting.h"

namespace MeetingFile {

// The meeting's element tree as text, character for character what QDomDocument::toString(1)
// writes for the tree the document format prescribes, written straight from the records. The
// characters XML cannot carry are left out. No declaration and no stylesheet line: fileContents()
// adds those. Reads the records only, so any thread may write.
QString meetingText(const Meeting &meeting);

} // namespace MeetingFile

#endif // MEETINGWRITER_H
