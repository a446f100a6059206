#include "app/frmmain.h"

#include <QDebug>
#include <QFile>

void frmMain::fileNew()
{ }
void frmMain::addMeeting()
{ }
void frmMain::delMeeting()
{ }
void frmMain::addProblem()
{ }

// A file that cannot be removed is passed over; the list keeps every name.
void frmMain::delFile()
{
    for (const QString &name : std::as_const(*tempFiles)) {
        qDebug().noquote() << "Del File: " + name;
        QFile::remove(name);
    }
}
