// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MEETINGFILE_H
#define MEETINGFILE_H

#include <QByteArray>
#include <QDateTime>
#include <QDomDocument>
#include <QLatin1String>
#include <QString>

// The bytes of a meeting document on disk, free of widgets and records.
namespace MeetingFile {

// The document's vocabulary, spelled as the writer writes it. The reader matches element names
// without regard to case and attribute names exactly.
namespace Tag {
inline constexpr QLatin1String meeting {"meeting"};
inline constexpr QLatin1String header {"header"};
inline constexpr QLatin1String place {"place"};
inline constexpr QLatin1String decision {"decision"};
inline constexpr QLatin1String notes {"notes"};
inline constexpr QLatin1String participants {"participants"};
inline constexpr QLatin1String participant {"participant"};
inline constexpr QLatin1String firstName {"first_name"};
inline constexpr QLatin1String secondName {"second_name"};
inline constexpr QLatin1String occupation {"occupation"};
inline constexpr QLatin1String email {"email"};
inline constexpr QLatin1String phone {"phone"};
inline constexpr QLatin1String problems {"problems"};
inline constexpr QLatin1String problem {"problem"};
inline constexpr QLatin1String shortDescription {"short"};
inline constexpr QLatin1String fullDescription {"full"};
inline constexpr QLatin1String responsibles {"responsibles"};
inline constexpr QLatin1String responsible {"responsible"};
} // namespace Tag

namespace Attribute {
inline constexpr QLatin1String about {"about"}; // the meeting's subject, on the root
inline constexpr QLatin1String date {"date"}; // on the header and on a problem's decision
inline constexpr QLatin1String count {"count"}; // on the three lists; never read
inline constexpr QLatin1String done {"done"}; // on a decision marked done, when it was
} // namespace Attribute

// The stylesheet every document names, found by xsltproc by this bare name.
inline const QString stylesheetName = QStringLiteral("mootrak.xsl");

// The most a meeting document ever needs is about ten levels and two attributes per element;
// anything far beyond that is refused before a DOM is built.
constexpr int maxDepth = 64;
constexpr int maxAttributes = 64;
// Far beyond any meeting; opening holds several copies of a document's text at once.
constexpr qint64 maxFileSize = 64 * 1024 * 1024;

// A date as documents and reports write it ("Thu Mar 6 14:30:00 2003"). Null or invalid dates
// occur only where a document left them out; they are written empty, which reads back as null.
QString textDate(const QDateTime &dateTime);
// The date a document's text gives: null for an empty text, invalid for one of another shape.
QDateTime dateFromText(const QString &text);

// Whether XML 1.0 can carry the character at all: not the C0 controls other than tab, line feed
// and carriage return, not U+FFFE or U+FFFF, not a surrogate standing alone.
bool isXmlCharacter(char32_t c);

// The text without the characters XML 1.0 cannot carry at all (C0 controls other than tab, line
// feed and carriage return, U+FFFE, U+FFFF, unpaired surrogates). Such a character, pasted into a
// field, would make the saved document unreadable for good.
QString xmlSafe(const QString &text);

// The complete file: the declaration and stylesheet lines, the serialised tree and a final line
// feed, in ISO-8859-1; characters beyond Latin-1 become numeric character references.
QByteArray fileContents(const QString &tree);

// Parses file contents into `document`. Documents that are larger than maxFileSize, not validly
// encoded, not well-formed, have a document type declaration, or go beyond maxDepth or
// maxAttributes are refused with a `reason`. Pass the contents in with
// std::move where they are not needed afterwards: parsing then frees them early.
bool parse(QByteArray contents, QDomDocument &document, QString &reason);

// The reason given for a file larger than maxFileSize.
QString tooLargeMessage();

// Reads a file only when it is a regular file: opening a FIFO would block for ever. One byte more
// than a document may hold is enough for the parser to refuse a larger file. A name that does
// not exist is left to QFile, which says why in the system's words.
bool readRegularFile(const QString &fileName, QByteArray &contents, QString &reason);

} // namespace MeetingFile

#endif // MEETINGFILE_H
