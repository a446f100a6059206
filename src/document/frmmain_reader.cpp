#include "app/frmmain.h"

Meeting *frmMain::readXmlFile(QDomDocument)
{
    return nullptr;
}
void frmMain::readHeader(QDomNode, Meeting *)
{ }
QList<Participant *> *frmMain::readParticipants(QDomNode, QString)
{
    return nullptr;
}
Participant *frmMain::readParticipant(QDomNode)
{
    return nullptr;
}
void frmMain::readProblems(QDomNode, Meeting *)
{ }
Problem *frmMain::getProblem(QDomNode)
{
    return nullptr;
}
