#ifndef MEETINGREPORT_H
#define MEETINGREPORT_H

#include <QString>

#include "model/meeting.h"

// The plain-text report of one meeting: what Print puts on paper and what a notification sends
// as the mail's body. Free of widgets; it reads the records and changes nothing.
namespace MeetingReport {

QString text(const Meeting &meeting);

// The e-mail of every participant, then of every problem's responsibles, each followed by ",".
// Nothing is dropped: a person named twice is listed twice, an empty address stays empty.
QString recipients(const Meeting &meeting);

} // namespace MeetingReport

#endif // MEETINGREPORT_H
