// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FRMMAIN_H
#define FRMMAIN_H

#include <QDateTime>
#include <QDomDocument>
#include <QDomElement>
#include <QDomNode>
#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QMainWindow>
#include <QPoint>
#include <QString>
#include <QStringList>

#include "model/meeting.h"
#include "recovery/filefingerprints.h"

class QAction;
class QCheckBox;
class DueDateEdit;
class frmDecisions;
class MeetingLibrary;
class QHBoxLayout;
class QLabel;
class QMenu;
class QMenuBar;
class QProcess;
class QPushButton;
class QSplitter;
class QTextEdit;
class QToolBar;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QVBoxLayout;
class TransformProcess;
class QTimer;
class RecoveryJournal;
struct JournalEntry;

// The one main window: the meetings tree, the problem detail editor beside it, and every
// command. Its slots are spread over the sources of the folders that own them.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMain(QWidget *parent = nullptr, const char *name = nullptr,
                     Qt::WindowFlags fl = Qt::Window);
    ~frmMain() override;

    QWidget *qt_central_widget;
    QVBoxLayout *frmMainLayout;
    QSplitter *Splitter5;
    QTreeWidget *lvProblems;
    QWidget *Layout58;
    QVBoxLayout *Layout58Layout;
    QVBoxLayout *Layout49;
    QLabel *TextLabel1;
    QTextEdit *txtFull;
    QVBoxLayout *Layout56;
    QLabel *TextLabel3;
    QTextEdit *txtDecision;
    QHBoxLayout *Layout55;
    QLabel *lblDue;
    DueDateEdit *dtDue;
    QToolButton *btNoDue; // sets the problem's due date to none
    QCheckBox *chkDone; // the problem's decision is done
    QHBoxLayout *Layout9_2;
    QVBoxLayout *Layout8_2;
    QLabel *lblResp;
    QTreeWidget *lvResp;
    QVBoxLayout *Layout68;
    QPushButton *btAddResp;
    QPushButton *btEditResp;
    QPushButton *btDeleteResp;
    QVBoxLayout *Layout52;
    QLabel *TextLabel3_2;
    QTextEdit *txtNotes;
    QToolBar *toolBar;
    QMenuBar *menubar;
    QMenu *fileMenu;
    QMenu *decisionsMenu;
    QMenu *helpMenu;

    QAction *fileNewAction;
    QAction *fileOpenAction;
    QAction *fileSaveAction;
    QAction *fileSaveAsAction;
    QAction *filePrintAction;
    QAction *fileExitAction;
    QAction *decisionsOpenAction;
    QAction *decisionsExportAction;
    QAction *decisionsFollowUpAction;
    QAction *decisionsFoldersAction;
    QAction *editUndoAction;
    QAction *editRedoAction;
    QAction *editCutAction;
    QAction *editCopyAction;
    QAction *editPasteAction;
    QAction *editFindAction;
    QAction *helpContentsAction;
    QAction *helpIndexAction;
    QAction *helpAboutAction;

public slots:
    virtual void fileNew(); // mainwindow/frmmain_commands.cpp
    virtual void fileOpen(); // mainwindow/frmmain_files.cpp
    virtual void fileSave(); // mainwindow/frmmain_files.cpp
    virtual void filePrint(); // report/frmmain_print.cpp
    virtual void fileExit(); // app/frmmain.cpp
    virtual void helpIndex(); // app/frmmain.cpp
    virtual void helpContents(); // app/frmmain.cpp
    virtual void helpAbout(); // app/frmmain.cpp
    virtual void lvProblems_selectionChanged(QTreeWidgetItem *li); // mainwindow/frmmain_tree.cpp
    virtual void btAddResp_clicked(); // mainwindow/frmmain_editor.cpp
    virtual void init(); // app/frmmain.cpp
    virtual void lvResp_selectionChanged(QTreeWidgetItem *li); // mainwindow/frmmain_editor.cpp
    virtual void btEditResp_clicked(); // mainwindow/frmmain_editor.cpp
    virtual void btDeleteResp_clicked(); // mainwindow/frmmain_editor.cpp
    virtual void txtDecision_textChanged(); // mainwindow/frmmain_editor.cpp
    virtual void dtDue_valueChanged(const QDateTime &dt); // mainwindow/frmmain_editor.cpp
    virtual void txtNotes_textChanged(); // mainwindow/frmmain_editor.cpp
    virtual Problem *getProblem(QDomNode node); // document/frmmain_reader.cpp
    virtual void readProblems(QDomNode parent, Meeting *meeting); // document/frmmain_reader.cpp
    virtual void readHeader(QDomNode parent, Meeting *meeting); // document/frmmain_reader.cpp
    virtual void destroy(); // app/frmmain.cpp
    virtual void lvProblems_expanded(QTreeWidgetItem *li); // mainwindow/frmmain_tree.cpp
    virtual void lvResp_doubleClicked(QTreeWidgetItem *li); // mainwindow/frmmain_editor.cpp
    virtual void lvResp_clicked(QTreeWidgetItem *li); // mainwindow/frmmain_editor.cpp
    virtual void lvProblems_rightButtonClicked(QTreeWidgetItem *li, const QPoint &p,
                                               int col); // mainwindow/frmmain_tree.cpp
    virtual void lvProblems_onItem(QTreeWidgetItem *li); // mainwindow/frmmain_tree.cpp
    virtual void lvProblems_onViewport(); // mainwindow/frmmain_tree.cpp
    void decisionsOpen(); // register/frmmain_register.cpp
    void decisionsExport(); // register/frmmain_register.cpp
    void showDecision(Meeting *meeting, Problem *problem); // register/frmmain_register.cpp
    // Marks the decision done now, or open again, wherever the mark was asked for.
    void markDone(Meeting *meeting, Problem *problem, bool done); // mainwindow/frmmain_editor.cpp
    void decisionsFollowUp(); // followup/frmmain_followup.cpp
    void decisionsFolders(); // library/frmmain_library.cpp
    // Opens the file as Open with Add does, without a question, and shows the problem at that
    // place of its meeting; marks it done or open first when asked. library/frmmain_library.cpp
    void openFileProblem(const QString &file, int problem);
    void markFileProblemDone(const QString &file, int problem, bool done);

public:
    // The meeting folders are kept between runs; the program's main() asks for this, a window
    // built by other code keeps them for its own life only. library/frmmain_library.cpp
    void rememberMeetingFolders();
    // Opens the file as Open with Add does, without a question; null when it cannot be opened,
    // which a box says. mainwindow/frmmain_files.cpp
    Meeting *addFile(const QString &fileName);
    // Keeps every unsaved meeting in a recovery journal in the folder, a moment after each edit,
    // and offers what an ended program left there. The program's main() asks for this; a window
    // built by other code keeps no journal. recovery/frmmain_recovery.cpp
    void keepRecoveryJournal(const QString &folder);
    // The register's place and size are kept between runs; the program's main() asks for this.
    // desktop/frmmain_places.cpp
    void rememberWindowPlaces();

public slots:

signals:
    // The list of meetings changed: New, Open, Add problem, Delete.
    void meetingsChanged(const QList<Meeting *> &meetings);
    // A problem's decision, due date or responsibles were edited in the detail editor.
    void problemEdited(const Problem *problem);

protected slots:
    virtual void sendMail(); // report/frmmain_notify.cpp

private slots:
    virtual void addNode(QDomElement *parent, QString element,
                         QString text); // document/frmmain_writer.cpp
    virtual void addNodeParticipant(QDomElement *parent, QString group, QString element,
                                    QList<Participant *> *parts); // document/frmmain_writer.cpp
    virtual void addNodeProblem(QDomElement *parent, QString group, QString element,
                                QList<Problem *> *problems); // document/frmmain_writer.cpp
    virtual void addAttr(QDomElement *parent, QString element,
                         QString text); // document/frmmain_writer.cpp
    virtual Participant *readParticipant(QDomNode parent); // document/frmmain_reader.cpp
    virtual void fillGUI(); // mainwindow/frmmain_tree.cpp
    virtual void clearGUI(); // mainwindow/frmmain_tree.cpp
    virtual QList<Participant *> *readParticipants(QDomNode parent,
                                                   QString nodeName); // document/frmmain_reader.cpp
    virtual void addMeeting(); // mainwindow/frmmain_commands.cpp
    virtual Meeting *readXmlFile(QDomDocument domTree); // document/frmmain_reader.cpp
    virtual void saveMeeting(); // mainwindow/frmmain_files.cpp
    virtual void delMeeting(); // mainwindow/frmmain_commands.cpp
    virtual void sendNotification(); // report/frmmain_notify.cpp
    virtual void readFromStdout(); // report/frmmain_notify.cpp
    virtual QString buildXmlString(int index); // document/frmmain_writer.cpp
    virtual void delFile(); // mainwindow/frmmain_commands.cpp
    virtual void addProblem(); // mainwindow/frmmain_commands.cpp
    virtual QString buildEmailBody(int iM); // report/frmmain_report.cpp

private:
    QDomElement addListNode(QDomElement *parent, const QString &group, qsizetype count);

    // The meetings tree fills the detail editor through these.
    void showMeeting(QTreeWidgetItem *li);
    void showProblem(QTreeWidgetItem *li);
    void showPersons(const QList<Participant *> &persons);
    void showInEditor(const QString &decision, const QString &notes, const QDateTime &due);

    // The records the detail editor writes to; null when it shows none.
    Meeting *editedMeeting() const;
    Problem *editedProblem(const Meeting *meeting) const;
    QList<Participant *> *personList(Meeting *meeting) const;
    // Where an edit of a tracked widget goes: the meeting, and in problem mode its problem.
    struct EditTarget
    {
        Meeting *meeting = nullptr; // null: the change is not an edit of a record
        Problem *problem = nullptr; // null in meeting mode
    };
    EditTarget editTarget(bool tracked) const;
    // Marks the meeting changed and tells who follows the records.
    void recordEdited(const EditTarget &target);

    void showDoneMark(const Problem *problem);
    void chkDone_toggled(bool done);
    void updateFollowUpAction();

    // New, add problem and delete; a follow-up fills the wizard in from the meeting before it.
    Meeting *meetingFromWizard(const Meeting *followed = nullptr);
    void clearEditor();
    void setEditorOpen(bool open);

    // Open and save.
    QString askOpenFileName();
    void openFile(const QString &fileName);
    QString askSaveFileName(const QString &caption, const QString &startName);
    enum class AddOrReplace { Add, Replace, Cancel }; // in the order of the question's buttons
    AddOrReplace askAddOrReplace();
    void startNewMeetingsList();
    bool loadDocument(const QString &fileName, QDomDocument &document);
    Meeting *appendOpened(const QDomDocument &document, const QString &fileName);
    MeetingLibrary *meetingLibrary();
    static void deleteMeetings(QList<Meeting *> *list);
    bool writeMeeting(int index, const QString &fileName);
    // Writes the file whole or not at all; a failure is shown with its reason.
    bool writeWholeFile(const QString &fileName, const QByteArray &contents);
    void showSaveFailure(const QString &fileName, const QString &reason);

    // Notification.
    bool saveForNotification(Meeting *meeting);
    void collectOutput(TransformProcess *process);
    void mailTransform(TransformProcess *process);
    void endNotification(TransformProcess *process, const QString &failure,
                         const QString &missingPage = QString());
    // The mail goes without an attachment when htmlFile is empty; a program that cannot start
    // adds why to `failures`.
    bool startKmail(const TransformProcess &process, const QString &htmlFile,
                    QStringList &failures);
    bool startDesktopMail(const TransformProcess &process, const QString &htmlFile,
                          QStringList &failures);
    void stopNotifications();
    void removeTempFiles();
    void closeEvent(QCloseEvent *event) override;
    void reportUnwrittenFile(const QString &fileName);

    // Recovery journal and changes made on disk by others. recovery/frmmain_recovery.cpp
    void journalEdited(Meeting *meeting);
    void journalMeetingsChanged(const QList<Meeting *> &list);
    void journalForget(const Meeting *meeting);
    void closeRecoveryJournal(); // writes what is pending: the journal outlives the window
    void writeJournal();
    void writeJournalEntry(Meeting *meeting);
    void recoverEntry(const JournalEntry &entry);
    void discardEntry(const JournalEntry &entry);
    // The name to save to once the user has had a say about a file someone else changed since
    // this program last read or wrote it; empty when the save is called off.
    QString confirmSaveTarget(QString fileName, const QString &caption);
    enum class ChangedFileAnswer { Overwrite, SaveAsAnother, Cancel };
    ChangedFileAnswer askAboutChangedFile(const QString &fileName);

    void restoreRegisterPlace(); // desktop/frmmain_places.cpp
    void saveRegisterPlace();

    void createWidgets();
    void createDetailEditor();
    QVBoxLayout *createDecisionGroup();
    QHBoxLayout *createPersonsGroup();
    void createActions();
    QAction *makeAction(const char *objectName, const QString &text, const QString &menuText,
                        const QKeySequence &shortcut, const char *iconName = nullptr);
    void createToolBar();
    void createMenus();
    void connectSignals();

    QList<Meeting *> *meetings = nullptr; // owns its meetings: Delete and Replace free them
    RecordStore slotRecords; // what the reading slots make outside a meeting
    int currentMeeting = -1;
    int currentProblem = -1;
    bool trackDecision = false;
    bool trackNotes = false;
    bool trackDue = false;
    // Whether the editor holds the record at the current indices. After a rebuild it is blank
    // while the indices may still name a record: an edit typed then must not replace text it
    // never showed, so edits wait until an entry is selected again. A selection cleared by a
    // click on empty space leaves the record shown, and edits still reach it.
    bool editorShowsRecord = false;
    QString workingFileName;
    QProcess *notificationProcess = nullptr; // the xsltproc run started last
    QStringList *tempFiles = nullptr;
    frmDecisions *decisionsWindow = nullptr; // made when first opened
    MeetingLibrary *library = nullptr; // made when folders are first given
    bool foldersRemembered = false;
    bool placesRemembered = false;
    FileFingerprints fileFingerprints; // the meeting files as this program last saw them
    RecoveryJournal *journal = nullptr; // kept only when main() asks
    QTimer *journalTimer = nullptr;
    QHash<const Meeting *, QString> journalIds; // each journaled meeting's entry
    QList<Meeting *> journalPending; // edited since their entries were last written

    // Tests reach the window's state through this one door.
    friend class frmMainInspector;
};

#endif // FRMMAIN_H
