#ifndef MEETINGFILE_H
#define MEETINGFILE_H

#include <QByteArray>
#include <QDomDocument>
#include <QString>

// The bytes of a meeting document on disk, free of widgets and records.
namespace MeetingFile {

// The most a meeting document ever needs is about ten levels and one attribute per element;
// anything far beyond that is refused before a DOM is built.
constexpr int maxDepth = 64;
constexpr int maxAttributes = 64;

// The text without the characters XML 1.0 cannot carry at all (C0 controls other than tab, line
// feed and carriage return, U+FFFE, U+FFFF, unpaired surrogates). Such a character, pasted into a
// field, would make the saved document unreadable for good.
QString xmlSafe(const QString &text);

// The tree as QDomDocument::toString(1) writes it, for the trees the writer builds (elements
// that hold either one text or elements), at a fraction of the cost.
QString treeText(const QDomDocument &document);

// The complete file: the declaration and stylesheet lines, the serialised tree and a final line
// feed, in ISO-8859-1; characters beyond Latin-1 become numeric character references.
QByteArray fileContents(const QString &tree);

// Parses file contents into `document`. Documents that are not well-formed, declare entities, or
// go beyond maxDepth or maxAttributes are refused, with the reason in `errorMessage`.
bool parse(const QByteArray &contents, QDomDocument &document, QString &errorMessage);

} // namespace MeetingFile

#endif // MEETINGFILE_H
