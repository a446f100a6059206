#include "app/frmmain.h"

void frmMain::btAddResp_clicked()
{ }
void frmMain::lvResp_selectionChanged(QTreeWidgetItem *)
{ }
void frmMain::btEditResp_clicked()
{ }
void frmMain::btDeleteResp_clicked()
{ }
void frmMain::txtDecision_textChanged()
{ }
void frmMain::dtDue_valueChanged(const QDateTime &)
{ }
void frmMain::txtNotes_textChanged()
{ }
void frmMain::lvResp_doubleClicked(QTreeWidgetItem *)
{ }
void frmMain::lvResp_clicked(QTreeWidgetItem *)
{ }
