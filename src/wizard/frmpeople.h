// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FRMPEOPLE_H
#define FRMPEOPLE_H

#include <QDialog>
#include <QString>

#include "model/meeting.h"

class QCompleter;
class QHBoxLayout;
class QStandardItemModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

// One person's particulars. The caller fills the edits through the slots, runs exec() and, on
// 1 (OK), reads the edits back as they were typed.
class frmPeople : public QDialog
{
    Q_OBJECT

public:
    explicit frmPeople(QWidget *parent = nullptr, const char *name = nullptr, bool modal = false,
                       Qt::WindowFlags fl = {});

    // The five texts of a person, into the edits and back.
    void showPerson(const Participant &person);
    void takePerson(Participant *person) const;
    // Runs the dialog. An accepted dialog without a first or a second name counts as cancelled.
    bool execWithName();
    // The first and second name fields complete from these persons' names.
    void offerPersons(const QList<Participant *> &persons);
    // A new person asked for under that title; null when the dialog counts as cancelled. The name
    // fields offer the suggested persons; choosing one fills in all five texts.
    static Participant *askNew(QWidget *parent, const QString &title, RecordStore &records,
                               const QList<Participant *> &suggestions = {});
    // Lets the user change the person; false, and the person untouched, when cancelled.
    static bool askEdit(QWidget *parent, Participant *person);

    QLabel *TextLabel5;
    QLabel *TextLabel6;
    QLabel *TextLabel7;
    QLabel *TextLabel8;
    QLabel *TextLabel9;
    QLineEdit *txtFN;
    QLineEdit *txtSN;
    QLineEdit *txtOccupation;
    QLineEdit *txtEmail;
    QLineEdit *txtPhone;
    QPushButton *btOk;
    QPushButton *btCancel;

    QVBoxLayout *frmPeopleLayout;
    QHBoxLayout *Layout57;
    QVBoxLayout *Layout55;
    QVBoxLayout *Layout56;
    QHBoxLayout *Layout67;

public slots:
    virtual void init();
    virtual void editFN(QString FN);
    virtual void editSN(QString SN);
    virtual void editOccupation(QString occup);
    virtual void editEmail(QString email);
    virtual void editPhone(QString phone);

private:
    QCompleter *nameCompleter(int column);

    void createWidgets();
    void createLayout();
    void connectSignals();

    QStandardItemModel *suggestions = nullptr; // made when persons are offered
    QList<Participant> suggested;
};

#endif // FRMPEOPLE_H
