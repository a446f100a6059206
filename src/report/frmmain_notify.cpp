// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmmain.h"

#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QStatusBar>

#include "app/statustimeouts.h"
#include "app/trace.h"
#include "report/htmlattachment.h"
#include "report/meetingreport.h"
#include "report/stylesheetfolder.h"
#include "report/transformprocess.h"

void frmMain::sendNotification()
{
    Meeting *meeting = meetings->value(currentMeeting);
    if (!meeting)
        return;
    if (meeting->saved) {
        workingFileName = meeting->fileName;
    } else if (!saveForNotification(meeting)) {
        trace(QStringLiteral("Notification canceled"));
        return;
    }

    auto *process = new TransformProcess(this);
    notificationProcess = process;
    process->subject = QStringLiteral("Meeting: ") + meeting->subject;
    process->body = buildEmailBody(currentMeeting);
    process->recipients = MeetingReport::recipients(*meeting);

    // An absolute name: xsltproc would take a name starting with "-" for an option.
    process->setProgram(QStringLiteral("xsltproc"));
    process->setArguments({stylesheetName, QFileInfo(workingFileName).absoluteFilePath()});
    process->setWorkingDirectory(stylesheetFolder()); // its errors are read when it has ended
    // Each run collects and mails its own output, even when a later notification has started.
    connect(process, &QProcess::readyReadStandardOutput, this,
            [this, process] { collectOutput(process); });
    connect(process, &QProcess::finished, this, [this, process] { mailTransform(process); });
    // A program that cannot start reports only this; finished() never comes.
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            endNotification(process, QStringLiteral("xsltproc didn't start"));
    });
    process->start();
}

// The notification attaches the document on disk, so it goes on only after a save that really
// wrote the meeting; a cancelled or failed save leaves nothing current to send.
bool frmMain::saveForNotification(Meeting *meeting)
{
    QMessageBox::information(this, tr("Mootrak e-Mail notification"),
                             tr("You should save meeting first"));
    saveMeeting();
    return meeting->saved;
}

// Called directly, the two slots act on the run started last.
void frmMain::readFromStdout()
{
    if (auto *process = qobject_cast<TransformProcess *>(notificationProcess))
        collectOutput(process);
}

void frmMain::sendMail()
{
    if (auto *process = qobject_cast<TransformProcess *>(notificationProcess))
        mailTransform(process);
}

void frmMain::collectOutput(TransformProcess *process)
{
    process->transformOutput += process->readAllStandardOutput();
}

// Why xsltproc's page is not fit to attach, with the first line of its own error output; empty
// when the page is fine.
static QString pageFailure(TransformProcess &process)
{
    QString failure;
    if (process.exitStatus() != QProcess::NormalExit)
        failure = QStringLiteral("xsltproc crashed");
    else if (process.exitCode() != 0)
        failure = QStringLiteral("xsltproc failed with exit code %1").arg(process.exitCode());
    else if (process.transformOutput.isEmpty())
        failure = QStringLiteral("xsltproc wrote nothing");
    else
        return QString();
    const QString errorLine = QString::fromLocal8Bit(process.readAllStandardError())
                                  .section(u'\n', 0, 0, QString::SectionSkipEmpty)
                                  .trimmed();
    return errorLine.isEmpty() ? failure : failure + QLatin1String(": ") + errorLine;
}

// The body says where the rest of a report too long for one argument is.
static QString mailBody(const TransformProcess &process, const QString &htmlFile,
                        qsizetype maxBytes)
{
    return MeetingReport::mailBody(
        process.body, htmlFile.isEmpty() ? MeetingReport::cutNote : MeetingReport::pageNote,
        maxBytes);
}

// xsltproc has ended: its page goes into the attachment, and the mail client gets the mail. A
// page xsltproc failed to make is left out, not attached empty or broken; the mail goes without
// it.
void frmMain::mailTransform(TransformProcess *process)
{
    collectOutput(process);
    const QString missingPage = pageFailure(*process);
    QString htmlFile;
    if (missingPage.isEmpty()) {
        QString failure;
        htmlFile = HtmlAttachment::write(process->transformOutput, failure);
        if (htmlFile.isEmpty())
            return endNotification(process, failure);
        trace(QStringLiteral("FILE: ") + htmlFile);
    }
    QStringList startFailures;
    if (!startKmail(*process, htmlFile, startFailures)
        && !startDesktopMail(*process, htmlFile, startFailures)) {
        if (!htmlFile.isEmpty())
            QFile::remove(htmlFile); // no mail client will ever read it
        return endNotification(process,
                               QStringLiteral("neither kmail nor xdg-email could be started (%1)")
                                   .arg(startFailures.join(QLatin1String("; "))));
    }
    if (!htmlFile.isEmpty())
        tempFiles->append(htmlFile);
    endNotification(process, QString(), missingPage);
}

// Starts the program on its own; one that cannot start adds its name and why to `failures`.
static bool startDetached(const QString &program, const QStringList &arguments,
                          QStringList &failures)
{
    QProcess mailer;
    mailer.setProgram(program);
    mailer.setArguments(arguments);
    if (mailer.startDetached())
        return true;
    failures << program + QLatin1String(": ") + mailer.errorString();
    return false;
}

bool frmMain::startKmail(const TransformProcess &process, const QString &htmlFile,
                         QStringList &failures)
{
    QStringList arguments {QStringLiteral("-s"), process.subject, QStringLiteral("--body"),
                           mailBody(process, htmlFile, MeetingReport::argumentBytes)};
    if (!htmlFile.isEmpty())
        arguments << QStringLiteral("--attach") << htmlFile;
    arguments << MeetingReport::addressArguments(process.recipients);
    for (const QString &argument : std::as_const(arguments))
        trace(argument);
    return startDetached(QStringLiteral("kmail"), arguments, failures);
}

// Desktops without kmail: xdg-email hands the same mail to the user's own mail program. Every
// address goes after --to, so none can be taken for an option; xdg-email refuses empty ones. It
// hands the whole mail on as one mailto: address, where a byte of the body can take six ("%0D%0A"
// for a line break) and a byte of the other fields three.
bool frmMain::startDesktopMail(const TransformProcess &process, const QString &htmlFile,
                               QStringList &failures)
{
    trace(QStringLiteral("kmail didn't start; trying xdg-email"));
    const qsizetype fieldBytes = (process.subject + process.recipients + htmlFile).toUtf8().size();
    const qsizetype fieldNames = 64; // "mailto:", "?subject=", "&body=", "&attach=file://", ...
    const qsizetype bodyBytes = (MeetingReport::argumentBytes - fieldNames - 3 * fieldBytes) / 6;
    QStringList arguments {QStringLiteral("--utf8"), QStringLiteral("--subject"), process.subject,
                           QStringLiteral("--body"), mailBody(process, htmlFile, bodyBytes)};
    if (!htmlFile.isEmpty())
        arguments << QStringLiteral("--attach") << htmlFile;
    for (const QString &address : process.recipients.split(u',', Qt::SkipEmptyParts))
        arguments << QStringLiteral("--to") << address;
    return startDetached(QStringLiteral("xdg-email"), arguments, failures);
}

// Every notification ends here; a failure, or a page missing from the mail, is traced and told
// in the status bar, so nobody believes a mail went out whole.
void frmMain::endNotification(TransformProcess *process, const QString &failure,
                              const QString &missingPage)
{
    if (!failure.isEmpty()) {
        trace(failure);
        statusBar()->showMessage(tr("No notification sent: %1").arg(failure),
                                 StatusTimeout::readable);
    } else if (!missingPage.isEmpty()) {
        trace(missingPage);
        statusBar()->showMessage(
            tr("Notification handed to the mail client without its page: %1").arg(missingPage),
            StatusTimeout::readable);
    } else {
        statusBar()->showMessage(tr("Notification handed to the mail client"),
                                 StatusTimeout::brief);
    }
    if (notificationProcess == process)
        notificationProcess = nullptr;
    process->deleteLater();
}

// An xsltproc that has not ended by Exit is not waited for: it is ended, and its notification
// goes no further, so no mail client opens after the program has gone.
void frmMain::stopNotifications()
{
    for (TransformProcess *process : findChildren<TransformProcess *>()) {
        process->disconnect(this);
        process->kill();
        process->waitForFinished();
        delete process;
    }
    notificationProcess = nullptr;
}
