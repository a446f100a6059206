// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FRMFOLDERS_H
#define FRMFOLDERS_H

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

// The meeting folders whose decisions the register lists: added with a folder dialog, removed
// from the list; taken over only with OK.
class frmFolders : public QDialog
{
    Q_OBJECT

public:
    explicit frmFolders(const QStringList &folders, QWidget *parent = nullptr);

    QStringList folders() const;

    QListWidget *lstFolders;
    QPushButton *btAddFolder;
    QPushButton *btRemoveFolder;

private:
    void addFolder();
    void removeFolder();
};

#endif // FRMFOLDERS_H
