#ifndef PRINTANSWERS_H
#define PRINTANSWERS_H

#include <QComboBox>
#include <QLineEdit>
#include <QProcess>

#include "support/dialogscript.h"

namespace Answers {

// Chooses the print dialog's "Print to File (PDF)" and a file name, and prints as a user does,
// so the dialog's own checks and settings apply.
inline DialogScript::Answer printToFile(const QString &path)
{
    return [path](QWidget *dialog) {
        auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
        auto *fileName = dialog->findChild<QLineEdit *>(QStringLiteral("filename"));
        if (!printers || !fileName)
            return void(dialog->close());
        printers->setCurrentIndex(printers->findText(QStringLiteral("Print to File (PDF)")));
        fileName->setText(path);
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    };
}

} // namespace Answers

// The text of a PDF as pdftotext reads it; "-layout" keeps lines and columns, "-bbox" gives
// every word's place instead.
inline QString pdfText(const QString &pdf, const QString &mode = QStringLiteral("-layout"))
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {mode, pdf, QStringLiteral("-")});
    const bool read = pdftotext.waitForFinished() && pdftotext.exitCode() == 0;
    return read ? QString::fromUtf8(pdftotext.readAllStandardOutput()) : QString();
}

#endif // PRINTANSWERS_H
