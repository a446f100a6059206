// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmmain.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTextEdit>

#include "document/atomicfile.h"
#include "document/meetingfile.h"

QString frmMain::askOpenFileName()
{
    QFileDialog dialog(this);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

QString frmMain::askSaveFileName(const QString &caption, const QString &startName)
{
    QFileDialog dialog(this, caption);
    dialog.setObjectName(QStringLiteral("Save file"));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (!startName.isEmpty())
        dialog.selectFile(startName);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

frmMain::AddOrReplace frmMain::askAddOrReplace()
{
    QMessageBox box(QMessageBox::Information, tr("Add or Replace previous meetimg"),
                    tr("Replace or Add to previous meeting"), QMessageBox::NoButton);
    QPushButton *add = box.addButton(tr("Add"), QMessageBox::AcceptRole);
    QPushButton *replace = box.addButton(tr("Replace"), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(tr("Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(add);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == add)
        return AddOrReplace::Add;
    return box.clickedButton() == replace ? AddOrReplace::Replace : AddOrReplace::Cancel;
}

// The old list goes with its meetings, once whoever shows records has heard of the empty list.
void frmMain::startNewMeetingsList()
{
    QList<Meeting *> *replaced = meetings;
    meetings = new QList<Meeting *>;
    currentMeeting = -1;
    currentProblem = -1;
    emit meetingsChanged(*meetings);
    deleteMeetings(replaced);
}

static void showOpenError(const QString &text, const QString &fileName, const QString &reason)
{
    QMessageBox box(QMessageBox::Critical, frmMain::tr("Critical Error"), text.arg(fileName),
                    QMessageBox::Ok);
    box.setInformativeText(reason);
    box.exec();
}

void frmMain::fileOpen()
{
    const QString fileName = askOpenFileName();
    if (fileName.isEmpty())
        return;
    workingFileName = fileName;
    openFile(fileName);
}

// Reads and parses the file; a failure is told in a box.
bool frmMain::loadDocument(const QString &fileName, QDomDocument &document)
{
    QByteArray contents;
    QString reason;
    if (!MeetingFile::readRegularFile(fileName, contents, reason)) {
        showOpenError(tr("Cannot open file %1"), fileName, reason);
        return false;
    }
    const QByteArray hash = FileFingerprints::hashOf(contents);
    if (!MeetingFile::parse(std::move(contents), document, reason)) {
        showOpenError(tr("Parsing error for file %1"), fileName, reason);
        return false;
    }
    fileFingerprints.rememberHash(fileName, hash);
    return true;
}

void frmMain::openFile(const QString &fileName)
{
    QDomDocument document;
    if (!loadDocument(fileName, document))
        return;
    if (!meetings->isEmpty()) {
        const AddOrReplace answer = askAddOrReplace();
        if (answer == AddOrReplace::Cancel)
            return;
        if (answer == AddOrReplace::Replace)
            startNewMeetingsList();
    }
    appendOpened(document, fileName);
}

Meeting *frmMain::addFile(const QString &fileName)
{
    QDomDocument document;
    return loadDocument(fileName, document) ? appendOpened(document, fileName) : nullptr;
}

Meeting *frmMain::appendOpened(const QDomDocument &document, const QString &fileName)
{
    Meeting *meeting = readXmlFile(document);
    meetings->append(meeting);
    currentMeeting = meetings->size() - 1;
    currentProblem = -1;
    meeting->modified = false;
    meeting->saved = true;
    meeting->fileName = fileName;

    clearGUI();
    fillGUI();
    return meeting;
}

void frmMain::showSaveFailure(const QString &fileName, const QString &reason)
{
    QMessageBox box(QMessageBox::Critical, tr("Critical Error"),
                    tr("Cannot save file %1").arg(QDir::toNativeSeparators(fileName)),
                    QMessageBox::Ok, this);
    box.setInformativeText(reason);
    box.exec();
}

bool frmMain::writeWholeFile(const QString &fileName, const QByteArray &contents)
{
    QString reason;
    if (AtomicFile::write(fileName, contents, reason)) {
        fileFingerprints.remember(fileName, contents);
        return true;
    }
    showSaveFailure(fileName, reason);
    return false;
}

bool frmMain::writeMeeting(int index, const QString &fileName)
{
    const QString tree = buildXmlString(index);
    if (!writeWholeFile(fileName, MeetingFile::fileContents(tree)))
        return false;
    txtFull->setPlainText(tree);
    Meeting *meeting = meetings->at(index);
    meeting->modified = false;
    meeting->saved = true;
    meeting->fileName = workingFileName;
    journalForget(meeting);
    return true;
}

void frmMain::fileSave()
{
    if (meetings->isEmpty()) {
        QMessageBox::information(this, QStringLiteral("No data to save"),
                                 QStringLiteral("No data to save"));
        return;
    }
    if (meetings->size() > 1) {
        QMessageBox::information(this, QStringLiteral("Multiple data"),
                                 QStringLiteral("You have more than one meeting defined.\n"
                                                "All of them should be saved in separate file!"));
    }
    for (int i = 0; i < meetings->size(); ++i) {
        const QString caption = tr("Choose file name for %1").arg(meetings->at(i)->subject);
        const QString fileName = confirmSaveTarget(askSaveFileName(caption, QString()), caption);
        if (fileName.isEmpty())
            continue;
        workingFileName = fileName;
        if (!writeMeeting(i, fileName))
            return;
    }
}

void frmMain::saveMeeting()
{
    const Meeting *meeting = meetings->value(currentMeeting);
    if (!meeting)
        return;
    const QString caption = tr("Choose file name for \"%1\"").arg(meeting->subject);
    const QString fileName
        = confirmSaveTarget(askSaveFileName(caption, meeting->fileName), caption);
    if (fileName.isEmpty())
        return;
    workingFileName = fileName;
    writeMeeting(currentMeeting, fileName);
}
