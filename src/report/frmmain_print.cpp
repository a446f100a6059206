// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmmain.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>

#include "app/statustimeouts.h"
#include "report/reportprinter.h"

void frmMain::filePrint()
{
    if (!meetings->value(currentMeeting))
        return;
    // A fresh printer each time: nothing of an earlier print is remembered.
    QPrinter printer(QPrinter::ScreenResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) {
        statusBar()->showMessage(tr("Printing aborted"), StatusTimeout::brief);
        return;
    }
    const QString report = buildEmailBody(currentMeeting);
    statusBar()->showMessage(tr("Printing..."));
    const bool printed = ReportPrinter::print(printer, report, [this](int page) {
        statusBar()->showMessage(tr("Printing (page %1)...").arg(page));
    });
    statusBar()->showMessage(printed ? tr("Printing completed") : tr("Printing aborted"),
                             StatusTimeout::brief);
    if (!printed && !printer.outputFileName().isEmpty())
        reportUnwrittenFile(printer.outputFileName());
}

// A print to a file that failed names the file and the likely reason; the dialog lets any name
// through.
void frmMain::reportUnwrittenFile(const QString &fileName)
{
    const QFileInfo file(fileName);
    QString reason;
    if (file.isDir())
        reason = tr("It is a folder.");
    else if (!QFileInfo(file.absolutePath()).isDir())
        reason = tr("There is no folder %1.").arg(QDir::toNativeSeparators(file.absolutePath()));
    else
        reason = tr("The file could not be written whole; the disk may be full.");
    QMessageBox box(QMessageBox::Warning, tr("Printing aborted"),
                    tr("Cannot print to file %1").arg(QDir::toNativeSeparators(fileName)),
                    QMessageBox::Ok, this);
    box.setInformativeText(reason);
    box.exec();
}
