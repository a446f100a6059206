// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/duedatecalendar.h"

#include <QCryptographicHash>
#include <QHash>
#include <QStringList>

#include <algorithm>
#include <memory>

#include <libical/ical.h>

#include "model/meeting.h"

namespace DueDateCalendar {

namespace {

struct ComponentFree
{
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

struct PropertyFree
{
    void operator()(icalproperty *property) const { icalproperty_free(property); }
};
using Property = std::unique_ptr<icalproperty, PropertyFree>;

struct BufferFree
{
    void operator()(char *buffer) const { icalmemory_free_buffer(buffer); }
};
using Buffer = std::unique_ptr<char, BufferFree>;

} // namespace

// The moment in UTC, or the null time where libical cannot write it: libical 3.0 refuses years
// after 3000 and writes years before 1 as garbage.
static icaltimetype utcTime(const QDateTime &moment)
{
    if (!moment.isValid() || moment.toUTC().date().year() < 1)
        return icaltime_null_time();
    const icaltimetype time = icaltime_from_timet_with_zone(moment.toSecsSinceEpoch(), 0,
                                                            icaltimezone_get_utc_timezone());
    return icaltime_is_valid_time(time) ? time : icaltime_null_time();
}

static icaltimetype dueTime(const Problem &problem)
{
    return problem.decision ? utcTime(problem.decision->due) : icaltime_null_time();
}

// Hands the property over to the component; false when libical could not make it.
static bool addProperty(icalcomponent *component, icalproperty *property)
{
    if (!property)
        return false;
    icalcomponent_add_property(component, property);
    return true;
}

// libical's own reader drops a text property without a value, so an empty text is left out.
static bool addText(icalcomponent *component, icalproperty *(*make)(const char *),
                    const QString &text)
{
    return text.isEmpty() || addProperty(component, make(text.toUtf8().constData()));
}

// The decision, a blank line and the full description; either alone when the other is blank.
static QString description(const Problem &problem)
{
    QStringList parts;
    for (const QString &part :
         {problem.decision ? problem.decision->text : QString(), problem.fullDescription}) {
        if (!part.trimmed().isEmpty())
            parts << part;
    }
    return parts.join(QLatin1String("\n\n"));
}

static QString fullName(const Participant &person)
{
    return (person.firstName + QLatin1Char(' ') + person.secondName).trimmed();
}

// libical writes an address as it is, escaping nothing: a line break in it would end the line
// early and let the rest read as a property of its own. No real address has a control character.
static bool isWritableAddress(const QString &address)
{
    return !address.isEmpty() && std::none_of(address.begin(), address.end(), [](QChar c) {
        return c.category() == QChar::Other_Control;
    });
}

static icalproperty *attendee(const QString &address, const QString &name)
{
    Property property(icalproperty_new_attendee(("mailto:" + address).toUtf8().constData()));
    if (!property || name.isEmpty())
        return property.release();
    icalparameter *commonName = icalparameter_new_cn(name.toUtf8().constData());
    if (!commonName)
        return nullptr;
    icalproperty_add_parameter(property.get(), commonName);
    return property.release();
}

// One attendee per responsible with an address; the others cannot be reached through a calendar.
static bool addAttendees(icalcomponent *todo, const QList<Participant *> &responsibles)
{
    for (const Participant *person : responsibles) {
        const QString address = person->email.trimmed();
        if (isWritableAddress(address) && !addProperty(todo, attendee(address, fullName(*person))))
            return false;
    }
    return true;
}

// Problems above this one in the meeting with the same two descriptions.
static int earlierTwins(const Meeting &meeting, const Problem &problem)
{
    int twins = 0;
    for (const Problem *other : std::as_const(*meeting.problems)) {
        if (other == &problem)
            break;
        twins += other->shortDescription == problem.shortDescription
            && other->fullDescription == problem.fullDescription;
    }
    return twins;
}

// Each part behind its length, so that no two different lists of parts give the same bytes.
static QByteArray identity(const QStringList &parts)
{
    QByteArray bytes;
    for (const QString &part : parts) {
        const QByteArray utf8 = part.toUtf8();
        bytes += QByteArray::number(utf8.size()) + ':' + utf8;
    }
    return bytes;
}

static QString uidOf(const Meeting &meeting, const Problem &problem, int earlierTwins)
{
    const QStringList parts {meeting.subject, meeting.date.toString(Qt::ISODate),
                             problem.shortDescription, problem.fullDescription,
                             QString::number(earlierTwins)};
    const QByteArray hash = QCryptographicHash::hash(identity(parts), QCryptographicHash::Sha1);
    return QString::fromLatin1(hash.toHex()) + QLatin1String("@mootrak");
}

QString uid(const Meeting &meeting, const Problem &problem)
{
    return uidOf(meeting, problem, earlierTwins(meeting, problem));
}

// A decision marked done is a completed to-do, completed when it was marked; a done moment
// libical cannot write leaves out only the COMPLETED line.
static bool addStatus(icalcomponent *todo, const Problem &problem)
{
    if (!problem.decision || !problem.decision->isDone())
        return addProperty(todo, icalproperty_new_status(ICAL_STATUS_NEEDSACTION));
    const icaltimetype completed = utcTime(problem.decision->done);
    return addProperty(todo, icalproperty_new_status(ICAL_STATUS_COMPLETED))
        && (icaltime_is_null_time(completed)
            || addProperty(todo, icalproperty_new_completed(completed)));
}

static Component todoFor(const QString &uid, const Problem &problem, const icaltimetype &stamp,
                         const icaltimetype &due)
{
    Component todo(icalcomponent_new_vtodo());
    if (!todo)
        return nullptr;
    const bool complete = addProperty(todo.get(), icalproperty_new_uid(uid.toUtf8().constData()))
        && addProperty(todo.get(), icalproperty_new_dtstamp(stamp))
        && addText(todo.get(), icalproperty_new_summary, problem.shortDescription)
        && addText(todo.get(), icalproperty_new_description, description(problem))
        && addProperty(todo.get(), icalproperty_new_due(due)) && addStatus(todo.get(), problem)
        && (!problem.responsibles || addAttendees(todo.get(), *problem.responsibles));
    if (!complete)
        return nullptr;
    return todo;
}

static bool addTodos(icalcomponent *calendar, const Meeting &meeting, const icaltimetype &stamp,
                     int &todoCount)
{
    // Twins counted as the problems go by, rather than by a search for each one.
    QHash<std::pair<QString, QString>, int> seen;
    for (const Problem *problem : std::as_const(*meeting.problems)) {
        const int twins = seen[{problem->shortDescription, problem->fullDescription}]++;
        const icaltimetype due = dueTime(*problem);
        if (icaltime_is_null_time(due))
            continue;
        Component child = todoFor(uidOf(meeting, *problem, twins), *problem, stamp, due);
        if (!child)
            return false;
        icalcomponent_add_component(calendar, child.release());
        ++todoCount;
    }
    return true;
}

static Component calendarOf(const QList<Meeting *> &meetings, const icaltimetype &stamp,
                            int &todoCount)
{
    Component calendar(icalcomponent_new_vcalendar());
    if (!calendar || !addProperty(calendar.get(), icalproperty_new_version("2.0"))
        || !addProperty(calendar.get(),
                        icalproperty_new_prodid("-//Mootrak//Decision tracker//EN")))
        return nullptr;
    for (const Meeting *meeting : meetings) {
        if (!addTodos(calendar.get(), *meeting, stamp, todoCount))
            return nullptr;
    }
    return calendar;
}

QByteArray text(const QList<Meeting *> &meetings, const QDateTime &now, int &todoCount)
{
    todoCount = 0;
    const icaltimetype stamp = utcTime(now);
    if (icaltime_is_null_time(stamp))
        return {};
    int added = 0;
    const Component calendar = calendarOf(meetings, stamp, added);
    if (!calendar)
        return {};
    const Buffer serialised(icalcomponent_as_ical_string_r(calendar.get()));
    if (!serialised)
        return {};
    todoCount = added;
    return QByteArray(serialised.get());
}

} // namespace DueDateCalendar
