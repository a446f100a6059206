#include "app/frmmain.h"

void frmMain::clearGUI()
{ }
void frmMain::fillGUI()
{ }
void frmMain::lvProblems_selectionChanged(QTreeWidgetItem *)
{ }
void frmMain::lvProblems_expanded(QTreeWidgetItem *)
{ }
void frmMain::lvProblems_rightButtonClicked(QTreeWidgetItem *, const QPoint &, int)
{ }
void frmMain::lvProblems_onItem(QTreeWidgetItem *)
{ }
void frmMain::lvProblems_onViewport()
{ }
