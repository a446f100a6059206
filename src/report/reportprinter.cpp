// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/reportprinter.h"

#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QStringView>
#include <QTextLayout>

namespace ReportPrinter {

static constexpr int margin = 10;

// On a full disk Qt can cut a PDF while QPainter::end() reports success; a whole file ends
// with the trailer's end-of-file marker.
static bool pdfWrittenWhole(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16)
        return false;
    file.seek(file.size() - 16);
    return file.read(16).contains("%%EOF");
}

static bool printsToPdfFile(const QPrinter &printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

// The pieces a line is printed in, each as wide as `width` at most: broken after a word, or
// inside a word longer than a whole line. Joined, they give back the line. Tabs stop where
// QPainter::drawText() puts them, every eight widths of an "x".
static QStringList printedPieces(const QString &line, const QPainter &painter,
                                 const QFontMetrics &metrics, int width, qreal tabStop)
{
    // Most lines fit, a tab taking a whole stop at most: they need no layout of their own.
    const qsizetype tabs = line.count(u'\t');
    QString untabbed = line;
    untabbed.remove(u'\t');
    if (metrics.horizontalAdvance(untabbed) + tabs * tabStop <= width)
        return {line};
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTabStopDistance(tabStop);
    QTextLayout layout(line, painter.font(), painter.device());
    layout.setTextOption(option);
    QStringList pieces;
    layout.beginLayout();
    for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine()) {
        row.setLineWidth(width);
        pieces << line.mid(row.textStart(), row.textLength());
    }
    layout.endLayout();
    return pieces.isEmpty() ? QStringList {line} : pieces;
}

static bool drawLines(QPainter &painter, QPrinter &printer, const QString &report,
                      const std::function<void(int)> &onNewPage)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const int lineSpacing = metrics.lineSpacing();
    const int pageWidth = printer.width();
    const int pageHeight = printer.height();
    // As far as the paintable area reaches: a line printed whole before still is, unbroken.
    const int lineWidth = pageWidth - margin;
    const qreal tabStop
        = 8 * QFontMetricsF(painter.font(), painter.device()).horizontalAdvance(u'x');
    int page = 1;
    int y = 0;
    for (const QStringView line : QStringView(report).tokenize(u'\n')) {
        for (const QString &piece :
             printedPieces(line.toString(), painter, metrics, lineWidth, tabStop)) {
            if (margin + y > pageHeight - margin) {
                onNewPage(++page);
                if (!printer.newPage())
                    return false;
                y = 0;
            }
            painter.drawText(QRect(margin, margin + y, pageWidth, lineSpacing),
                             Qt::TextExpandTabs | Qt::TextDontClip, piece);
            y += lineSpacing;
        }
    }
    return true;
}

bool print(QPrinter &printer, const QString &report, const std::function<void(int)> &onNewPage)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const bool drawn = drawLines(painter, printer, report, onNewPage);
    const bool ended = painter.end();
    if (!drawn || !ended || printer.printerState() == QPrinter::Error)
        return false;
    return !printsToPdfFile(printer) || pdfWrittenWhole(printer.outputFileName());
}

} // namespace ReportPrinter
