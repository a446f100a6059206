// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FRMFIRST_H
#define FRMFIRST_H

#include <QDateTime>
#include <QList>
#include <QPoint>
#include <QString>
#include <QWizard>

#include "model/meeting.h"

class QDateTimeEdit;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QVBoxLayout;
class WizardPage;

// The two-page wizard that defines a new meeting: its header and participants on the first
// page, its problems on the second. The records it makes are its results: whoever takes the
// lists from getParticipants() and getProblems() adopts records() too; what is not adopted goes
// with the wizard.
class frmFirst : public QWizard
{
    Q_OBJECT

public:
    explicit frmFirst(QWidget *parent = nullptr, const char *name = nullptr, bool modal = false,
                      Qt::WindowFlags fl = {});
    ~frmFirst() override;

    WizardPage *page1;
    QLabel *TextLabel1;
    QLabel *TextLabel2;
    QLabel *TextLabel3;
    QLineEdit *txtTema;
    QLineEdit *txtPlace;
    QDateTimeEdit *dteDate;
    QLabel *TextLabel4;
    QTreeWidget *lbPart;
    QPushButton *btAdd;
    QPushButton *btEdit;
    QPushButton *btDelete;

    WizardPage *page2;
    QLabel *TextLabel3_2;
    QTreeWidget *lvProblems;
    QPushButton *btAddProblem;
    QPushButton *btEditProblem;
    QPushButton *btDeleteProblem;

    QVBoxLayout *page1Layout;
    QHBoxLayout *Layout65;
    QVBoxLayout *Layout60;
    QVBoxLayout *Layout63;
    QHBoxLayout *Layout62;
    QHBoxLayout *Layout9;
    QVBoxLayout *Layout8;
    QVBoxLayout *Layout68;
    QVBoxLayout *page2Layout;
    QHBoxLayout *Layout10;
    QVBoxLayout *Layout8_2;
    QVBoxLayout *Layout9_2;

    RecordStore &records() { return store; }

    // Fills the wizard in for the meeting after this one: the same subject, place and
    // participants, a week later, and copies of its open problems. followup/frmfirst_followup.cpp
    void fillFollowUp(const Meeting &meeting);

public slots:
    virtual void btAdd_clicked(); // wizard/frmfirst.cpp
    virtual void btDel_clicked(); // wizard/frmfirst.cpp
    virtual void init(); // wizard/frmfirst.cpp
    virtual void destroy(); // wizard/frmfirst.cpp
    virtual void btEdit_clicked(); // wizard/frmfirst.cpp
    virtual void txtTema_textChanged(const QString &text); // wizard/frmfirst.cpp
    virtual void txtPlace_textChanged(const QString &text); // wizard/frmfirst.cpp
    virtual void dteDate_valueChanged(const QDateTime &dt); // wizard/frmfirst.cpp
    virtual void lbPart_selectionChanged(); // wizard/frmfirst.cpp
    virtual void btAddProblem_clicked(); // wizard/frmfirst_problems.cpp
    virtual void lvProblems_rightButtonClicked(QTreeWidgetItem *lvPr, const QPoint &p,
                                               int); // wizard/frmfirst_problems.cpp
    virtual void lvProblems_doubleClicked(QTreeWidgetItem *lvPr); // wizard/frmfirst_problems.cpp
    virtual void lvProblems_selectionChanged(QTreeWidgetItem *lvPr); // wizard/frmfirst_problems.cpp
    virtual void btEditProblem_clicked(); // wizard/frmfirst_problems.cpp
    virtual void btDeleteProblem_clicked(); // wizard/frmfirst_problems.cpp
    virtual void lvProblems_selectionChanged(); // wizard/frmfirst_problems.cpp
    virtual void lbPart_rightButtonClicked(QTreeWidgetItem *lvPr, const QPoint &p,
                                           int); // wizard/frmfirst.cpp
    virtual QString getTema(); // wizard/frmfirst.cpp
    virtual QString getPlace(); // wizard/frmfirst.cpp
    virtual QList<Participant *> *getParticipants(); // wizard/frmfirst.cpp
    virtual QList<Problem *> *getProblems(); // wizard/frmfirst.cpp

protected slots:
    virtual void menusAction(int iMenu); // wizard/frmfirst.cpp

private slots:
    virtual void initMenus(); // wizard/frmfirst.cpp

private:
    void createPage1();
    QHBoxLayout *createHeaderFields();
    QHBoxLayout *createParticipantsRow();
    void createPage2();
    void connectSignals();
    void connectContextMenu(QTreeWidget *list,
                            void (frmFirst::*slot)(QTreeWidgetItem *, const QPoint &, int));

    // The first record, in list order, that a row shows; -1 when none does.
    int findParticipant(const QTreeWidgetItem *row) const;
    int findProblem(const QTreeWidgetItem *row) const;
    bool problemsEmpty() const;
    int selectedProblemIndex();
    void removeSelectedProblem(int index);
    void applyFinishRule();
    void popUp(int menu, bool onRow, const QPoint &p);

    enum Menu { ProblemsMenu = 0, ParticipantsMenu = 1 }; // positions in the menu list

    QString tema; // the last subject typed that was not empty
    QString place;
    RecordStore store; // every list and record this run made
    QList<Participant *> *participants = nullptr; // in the order added
    QList<Problem *> *problems = nullptr; // in the order added
    QList<QMenu *> *menus = nullptr; // owns the two pop-up menus
    QTreeWidgetItem *selectedParticipant = nullptr;
    QTreeWidgetItem *selectedProblem = nullptr;
};

#endif // FRMFIRST_H
