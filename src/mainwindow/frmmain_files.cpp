#include "app/frmmain.h"

void frmMain::fileOpen()
{ }
void frmMain::fileSave()
{ }
void frmMain::saveMeeting()
{ }
