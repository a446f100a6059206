#include "app/frmmain.h"

QString frmMain::buildXmlString(int)
{
    return QString();
}
void frmMain::addNode(QDomElement *, QString, QString)
{ }
void frmMain::addAttr(QDomElement *, QString, QString)
{ }
void frmMain::addNodeParticipant(QDomElement *, QString, QString, QList<Participant *> *)
{ }
void frmMain::addNodeProblem(QDomElement *, QString, QString, QList<Problem *> *)
{ }
