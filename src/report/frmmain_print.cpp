#include "app/frmmain.h"

void frmMain::filePrint()
{ }
