#include "app/frmmain.h"

QString frmMain::buildEmailBody(int)
{
    return QString();
}
