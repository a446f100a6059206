// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef XMLGUARD_H
#define XMLGUARD_H

#include <QByteArray>
#include <QString>
#include <QStringView>

// The checks a document passes before any XML parser sees it.
namespace MeetingFile {

// The document's characters, decoded the way XML says: by a byte order mark, else by the
// pattern of its first bytes (UTF-16 or UTF-32 without a mark), else by the encoding its XML
// declaration names, else as UTF-8. Bytes that are not valid in that encoding are refused.
bool decode(const QByteArray &bytes, QString &text, QString &reason);

// Refuses a document type declaration, elements nested deeper than maxDepth and elements with
// more than maxAttributes attributes. Comments, processing instructions, CDATA sections and
// quoted values are read exactly as XML reads them, so nothing can hide markup from the count.
bool withinLimits(QStringView text, QString &reason);

} // namespace MeetingFile

#endif // XMLGUARD_H
