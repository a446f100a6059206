// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef REPORTPRINTER_H
#define REPORTPRINTER_H

#include <QString>

#include <functional>

class QPrinter;

// Puts a plain-text report on paper, free of dialogs and the status bar so any printer will do.
namespace ReportPrinter {

// Draws the report line by line from the top-left margin, in the painter's default font with
// tabs expanded; a line wider than the page goes on over the next lines, broken after a word
// (or inside one longer than a line). A printed line that would start past the bottom margin
// goes on a new page, announced first through onNewPage with that page's number. False when
// nothing or not everything was printed: painting could not begin, a page could not be
// started, or a PDF file was not written whole.
bool print(QPrinter &printer, const QString &report, const std::function<void(int)> &onNewPage);

} // namespace ReportPrinter

#endif // REPORTPRINTER_H
