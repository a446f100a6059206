// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TRANSFORMPROCESS_H
#define TRANSFORMPROCESS_H

#include <QByteArray>
#include <QProcess>
#include <QString>

// The xsltproc run of one notification, with the rest of the mail it is to become. The mail is
// composed when the notification starts, so selecting or deleting meetings meanwhile changes
// nothing, and a second notification started meanwhile has a run and an output of its own.
class TransformProcess : public QProcess
{
    Q_OBJECT

public:
    using QProcess::QProcess;

    QString subject; // "Meeting: " and the meeting's subject
    QString body; // the meeting's report
    QString recipients; // every address followed by ","
    QByteArray transformOutput; // every byte xsltproc has printed so far, as it printed them
};

#endif // TRANSFORMPROCESS_H
