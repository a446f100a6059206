#ifndef FRMPEOPLE_H
#define FRMPEOPLE_H

#include <QDialog>
#include <QString>

#include "model/meeting.h"

class QHBoxLayout;
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
    // A new person asked for under that title; null when the dialog counts as cancelled.
    static Participant *askNew(QWidget *parent, const QString &title, RecordStore &records);
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
    void createWidgets();
    void createLayout();
    void connectSignals();
};

#endif // FRMPEOPLE_H
