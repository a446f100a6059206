#include "app/frmmain.h"

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
    process->setWorkingDirectory(stylesheetFolder());
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
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

// xsltproc has ended: its page goes into the attachment, and the mail client gets the mail.
void frmMain::mailTransform(TransformProcess *process)
{
    collectOutput(process);
    if (process->exitStatus() != QProcess::NormalExit)
        return endNotification(process, QStringLiteral("Can't send notification"));

    QString failure;
    const QString htmlFile = HtmlAttachment::write(process->transformOutput, failure);
    if (htmlFile.isEmpty())
        return endNotification(process, failure);
    trace(QStringLiteral("FILE: ") + htmlFile);

    const QStringList arguments
        = {QStringLiteral("-s"),       process->subject, QStringLiteral("--body"), process->body,
           QStringLiteral("--attach"), htmlFile,         process->recipients};
    for (const QString &argument : arguments)
        trace(argument);
    tempFiles->append(htmlFile);
    if (!QProcess::startDetached(QStringLiteral("kmail"), arguments)
        && !startDesktopMail(*process, htmlFile))
        return endNotification(process, QStringLiteral("kmail didn't start"));
    endNotification(process, QString());
}

// Desktops without kmail: xdg-email hands the same mail to the user's own mail program. Every
// address goes after --to, so none can be taken for an option; xdg-email refuses empty ones.
bool frmMain::startDesktopMail(const TransformProcess &process, const QString &htmlFile)
{
    trace(QStringLiteral("kmail didn't start; trying xdg-email"));
    QStringList arguments {QStringLiteral("--utf8"),
                           QStringLiteral("--subject"),
                           process.subject,
                           QStringLiteral("--body"),
                           process.body,
                           QStringLiteral("--attach"),
                           htmlFile};
    for (const QString &address : process.recipients.split(u',', Qt::SkipEmptyParts))
        arguments << QStringLiteral("--to") << address;
    return QProcess::startDetached(QStringLiteral("xdg-email"), arguments);
}

// Every notification ends here; a failure is traced and told in the status bar, so nobody
// believes a mail went out.
void frmMain::endNotification(TransformProcess *process, const QString &failure)
{
    if (failure.isEmpty()) {
        statusBar()->showMessage(tr("Notification handed to the mail client"),
                                 StatusTimeout::brief);
    } else {
        trace(failure);
        statusBar()->showMessage(tr("No notification sent: %1").arg(failure),
                                 StatusTimeout::readable);
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
