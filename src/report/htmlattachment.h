// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef HTMLATTACHMENT_H
#define HTMLATTACHMENT_H

#include <QByteArray>
#include <QString>

// The HTML file a notification attaches, written where the mail client can read it.
namespace HtmlAttachment {

// Writes the bytes, unchanged, to a new file that mkstemp makes from the template, then gives
// it the same name with ".html" appended. The move replaces whatever entry has that name, a
// planted link included, instead of writing through it. Returns the final name; on failure an
// empty string, with the step that failed and the system's reason in `failure`, and no file left
// behind.
QString write(const QByteArray &html, QString &failure,
              const QByteArray &nameTemplate = "/tmp/mtXXXXXXX");

// Gives the file `name` the name with ".html" appended, replacing whatever entry has that name,
// a planted link included, instead of writing through it. Returns the new name; on failure an
// empty string, with "rename failed" and the system's reason in `failure`, and the file removed.
QString giveHtmlName(const QByteArray &name, QString &failure);

} // namespace HtmlAttachment

#endif // HTMLATTACHMENT_H
