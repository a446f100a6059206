#include "app/frmmain.h"

void frmMain::sendNotification()
{ }
void frmMain::readFromStdout()
{ }
void frmMain::sendMail()
{ }
