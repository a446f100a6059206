#include "app/frmmain.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>

#include "report/reportprinter.h"

void frmMain::filePrint()
{
    if (!meetings->value(currentMeeting))
        return;
    const QString report = buildEmailBody(currentMeeting);

    // A fresh printer each time: nothing of an earlier print is remembered.
    QPrinter printer(QPrinter::ScreenResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) {
        statusBar()->showMessage(tr("Printing aborted"), 2000);
        return;
    }
    statusBar()->showMessage(tr("Printing..."));
    const bool printed = ReportPrinter::print(printer, report, [this](int page) {
        statusBar()->showMessage(tr("Printing (page %1)...").arg(page));
    });
    statusBar()->showMessage(printed ? tr("Printing completed") : tr("Printing aborted"), 2000);
}
