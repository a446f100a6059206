// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FRMDESCRIPTION_H
#define FRMDESCRIPTION_H

#include <QDialog>
#include <QString>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;
class QVBoxLayout;

// A problem's short title and its full description, both kept as plain text.
class frmDescription : public QDialog
{
    Q_OBJECT

public:
    explicit frmDescription(QWidget *parent = nullptr, const char *name = nullptr,
                            bool modal = false, Qt::WindowFlags fl = {});

    QLabel *TextLabel4;
    QLabel *TextLabel5;
    QLineEdit *txtShort;
    QTextEdit *txtFull;
    QPushButton *btOKDescription;
    QPushButton *btCancelDescription;

    QVBoxLayout *frmDescriptionLayout;
    QVBoxLayout *Layout29;
    QHBoxLayout *Layout28;
    QVBoxLayout *Layout26;
    QVBoxLayout *Layout16;
    QVBoxLayout *Layout27;
    QHBoxLayout *Layout24;
    QHBoxLayout *Layout19;

public slots:
    virtual void editShort(const QString shortDesc);
    virtual void editLong(const QString longDesc);

private:
    void createWidgets();
    void createLayout();
    QHBoxLayout *createFieldsRow();
    QHBoxLayout *createButtonsRow();
    void connectSignals();
};

#endif // FRMDESCRIPTION_H
