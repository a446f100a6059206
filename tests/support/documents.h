#ifndef DOCUMENTS_H
#define DOCUMENTS_H

#include <QFile>
#include <QStringList>

#include "document/meetingfile.h"

namespace Documents {

using namespace MeetingFile;

inline QByteArray element(QLatin1String tag, const QByteArray &content,
                          const QByteArray &attribute = {})
{
    return '<' + QByteArray(tag.data(), tag.size()) + attribute + '>' + content + "</"
        + QByteArray(tag.data(), tag.size()) + ">\n";
}

inline QByteArray attribute(QLatin1String name, const QByteArray &value)
{
    return ' ' + QByteArray(name.data(), name.size()) + "=\"" + value + '"';
}

inline QByteArray person(QLatin1String tag, const QByteArray &first, const QByteArray &second,
                         const QByteArray &occupation, const QByteArray &email,
                         const QByteArray &phone)
{
    return element(tag,
                   element(Tag::firstName, first) + element(Tag::secondName, second)
                       + element(Tag::occupation, occupation) + element(Tag::email, email)
                       + element(Tag::phone, phone));
}

// A meeting held on Thu Mar 6 14:30:00 2003 in Room 4, with participants Jane Doe and John Roe.
// Problem "P" has full description "All about P", notes "Notes on P", decision "Decided P" due
// Fri Mar 14 12:00:00 2003, and responsible "RP" S.
inline QByteArray meetingDocument(const QString &subject, const QStringList &problems = {})
{
    QByteArray problemList;
    for (const QString &problem : problems) {
        const QByteArray name = problem.toLatin1();
        problemList += element(
            Tag::problem,
            element(Tag::shortDescription, name)
                + element(Tag::fullDescription, "All about " + name)
                + element(Tag::notes, "Notes on " + name)
                + element(Tag::decision, "Decided " + name,
                          attribute(Attribute::date, "Fri Mar 14 12:00:00 2003"))
                + element(Tag::responsibles,
                          person(Tag::responsible, "R" + name, "S", "", "r@example.org", ""),
                          attribute(Attribute::count, "1")));
    }
    const QByteArray header
        = element(Tag::header,
                  element(Tag::place, "Room 4") + element(Tag::decision, "Go on")
                      + element(Tag::notes, "Short meeting"),
                  attribute(Attribute::date, "Thu Mar 6 14:30:00 2003"));
    const QByteArray participants
        = element(Tag::participants,
                  person(Tag::participant, "Jane", "Doe", "Engineer", "jane@example.org", "1234")
                      + person(Tag::participant, "John", "Roe", "Clerk", "", "99"),
                  attribute(Attribute::count, "2"));
    const QByteArray count = QByteArray::number(problems.size());
    return "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
           "<?xml-stylesheet type=\"text/xsl\" href=\"mootrak.xsl\"?>\n"
        + element(Tag::meeting,
                  header + participants
                      + element(Tag::problems, problemList, attribute(Attribute::count, count)),
                  attribute(Attribute::about, subject.toLatin1()));
}

} // namespace Documents

inline bool writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

#endif // DOCUMENTS_H
