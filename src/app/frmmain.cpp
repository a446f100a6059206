// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmmain.h"

#include <QAction>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QDebug>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/formwidgets.h"
#include "app/personlist.h"
#include "images/pixmaploaders.h"
#include "mainwindow/duedateedit.h"
#include "register/frmdecisions.h"

frmMain::frmMain(QWidget *parent, const char *name, Qt::WindowFlags fl)
    : QMainWindow(parent, fl)
{
    statusBar();
    setObjectName(name ? QString::fromUtf8(name) : QStringLiteral("frmMain"));
    resize(699, 726);
    setWindowTitle(tr("Decision tracker"));
    setWindowIcon(uic_load_pixmap_frmMain(QStringLiteral("whatsnext.png")));

    createWidgets();
    createActions();
    createToolBar();
    createMenus();
    connectSignals();
    init();
}

frmMain::~frmMain()
{
    destroy();
}

void frmMain::createWidgets()
{
    qt_central_widget = makeNamed<QWidget>("qt_central_widget", this);
    setCentralWidget(qt_central_widget);
    frmMainLayout = makeOuterBox<QVBoxLayout>("frmMainLayout", qt_central_widget);

    Splitter5 = makeNamed<QSplitter>("Splitter5", Qt::Horizontal, qt_central_widget);
    frmMainLayout->addWidget(Splitter5);

    lvProblems = makeNamed<QTreeWidget>("lvProblems", Splitter5);
    lvProblems->setColumnCount(1);
    lvProblems->setHeaderLabels({tr("Meetings")});
    lvProblems->setRootIsDecorated(true);
    // Every entry is one line of text: the view need not measure each row to lay them out.
    lvProblems->setUniformRowHeights(true);

    createDetailEditor();
    Splitter5->setStretchFactor(1, 1);
}

// Tab moves on to the next field, as everywhere else in the form; Ctrl+Tab types a tab.
static QTextEdit *plainTextEdit(const char *objectName, QWidget *parent)
{
    auto *edit = makeNamed<QTextEdit>(objectName, parent);
    edit->setAcceptRichText(false);
    edit->setTabChangesFocus(true);
    new QShortcut(
        QKeySequence(Qt::CTRL | Qt::Key_Tab), edit, edit,
        [edit] {
            if (!edit->isReadOnly())
                edit->insertPlainText(QStringLiteral("\t"));
        },
        Qt::WidgetShortcut);
    return edit;
}

// The right-hand panel: full description, decision with its date, persons, notes.
void frmMain::createDetailEditor()
{
    Layout58 = makeNamed<QWidget>("Layout58", Splitter5);
    Layout58Layout = makeOuterBox<QVBoxLayout>("Layout58Layout", Layout58, 6);

    TextLabel1 = makeNamed<QLabel>("TextLabel1", tr("Full description:"), Layout58);
    txtFull = plainTextEdit("txtFull", Layout58);
    txtFull->setReadOnly(true);
    Layout49 = labelledColumn("Layout49", TextLabel1, txtFull);
    Layout58Layout->addLayout(Layout49);

    Layout58Layout->addLayout(createDecisionGroup());
    Layout58Layout->addLayout(createPersonsGroup());

    TextLabel3_2 = makeNamed<QLabel>("TextLabel3_2", tr("Notes:"), Layout58);
    txtNotes = plainTextEdit("txtNotes", Layout58);
    Layout52 = labelledColumn("Layout52", TextLabel3_2, txtNotes);
    Layout58Layout->addLayout(Layout52);
}

QVBoxLayout *frmMain::createDecisionGroup()
{
    TextLabel3 = makeNamed<QLabel>("TextLabel3", tr("Decision:"), Layout58);
    txtDecision = plainTextEdit("txtDecision", Layout58);
    Layout56 = labelledColumn("Layout56", TextLabel3, txtDecision);

    lblDue = makeNamed<QLabel>("lblDue", tr("Выполнить до:"), Layout58);
    dtDue = makeNamed<DueDateEdit>("dtDue", Layout58);
    btNoDue = makeNamed<QToolButton>("btNoDue", Layout58);
    btNoDue->setText(tr("No date"));
    btNoDue->setToolTip(tr("The problem has no due date"));
    btNoDue->setFocusPolicy(Qt::StrongFocus);
    chkDone = makeNamed<QCheckBox>("chkDone", tr("Do&ne"), Layout58);
    Layout55 = makeNamedBox<QHBoxLayout>("Layout55");
    Layout55->addWidget(lblDue);
    Layout55->addWidget(dtDue);
    Layout55->addWidget(btNoDue);
    Layout55->addWidget(chkDone);
    Layout55->addStretch();
    Layout56->addLayout(Layout55);
    return Layout56;
}

QHBoxLayout *frmMain::createPersonsGroup()
{
    lblResp = makeNamed<QLabel>("lblResp", tr("Responsibles:"), Layout58);
    lvResp = makeNamed<PersonList>(
        "lvResp", QStringList {tr("Name"), tr("Occupation"), tr("Phone"), tr("E-mail")},
        uic_load_pixmap_frmMain(QStringLiteral("kdmconfig.png")), Layout58);
    Layout8_2 = labelledColumn("Layout8_2", lblResp, lvResp);

    btAddResp = makeNamed<QPushButton>("btAddResp", tr("&Add"), Layout58);
    btEditResp = makeNamed<QPushButton>("btEditResp", tr("&Edit"), Layout58);
    btDeleteResp = makeNamed<QPushButton>("btDeleteResp", tr("&Delete"), Layout58);
    Layout68 = buttonColumn("Layout68", {btAddResp, btEditResp, btDeleteResp});

    Layout9_2 = sideBySide("Layout9_2", Layout8_2, Layout68);
    return Layout9_2;
}

QAction *frmMain::makeAction(const char *objectName, const QString &text, const QString &menuText,
                             const QKeySequence &shortcut, const char *iconName)
{
    auto *action = new QAction(menuText, this);
    action->setObjectName(QString::fromLatin1(objectName));
    action->setIconText(text);
    action->setShortcut(shortcut);
    if (iconName)
        action->setIcon(QIcon(uic_load_pixmap_frmMain(QString::fromLatin1(iconName))));
    return action;
}

void frmMain::createActions()
{
    const QKeySequence none;
    fileNewAction = makeAction("fileNewAction", tr("New"), tr("&New"),
                               QKeySequence(Qt::CTRL | Qt::Key_N), "filenew");
    fileOpenAction = makeAction("fileOpenAction", tr("Open"), tr("&Open..."),
                                QKeySequence(Qt::CTRL | Qt::Key_O), "fileopen");
    fileSaveAction = makeAction("fileSaveAction", tr("Save"), tr("&Save"),
                                QKeySequence(Qt::CTRL | Qt::Key_S), "filesave");
    fileSaveAsAction = makeAction("fileSaveAsAction", tr("Save As"), tr("Save &As..."), none);
    filePrintAction = makeAction("filePrintAction", tr("Print selected meeting"), tr("&Print..."),
                                 QKeySequence(Qt::CTRL | Qt::Key_P), "print");
    fileExitAction = makeAction("fileExitAction", tr("Exit"), tr("E&xit"), none);
    decisionsOpenAction = makeAction("decisionsOpenAction", tr("Open decisions"),
                                     tr("&Open decisions..."), QKeySequence(Qt::CTRL | Qt::Key_D));
    decisionsExportAction = makeAction("decisionsExportAction", tr("Export due dates"),
                                       tr("&Export due dates..."), none);
    decisionsFollowUpAction = makeAction("decisionsFollowUpAction", tr("New follow-up meeting"),
                                         tr("New &follow-up meeting..."), none);
    decisionsFollowUpAction->setEnabled(false); // until a meeting is selected
    decisionsFoldersAction = makeAction("decisionsFoldersAction", tr("Meeting folders"),
                                        tr("&Meeting folders..."), none);
    editUndoAction = makeAction("editUndoAction", tr("Undo"), tr("&Undo"),
                                QKeySequence(Qt::CTRL | Qt::Key_Z), "undo");
    editRedoAction = makeAction("editRedoAction", tr("Redo"), tr("&Redo"),
                                QKeySequence(Qt::CTRL | Qt::Key_Y), "redo");
    editCutAction = makeAction("editCutAction", tr("Cut"), tr("&Cut"),
                               QKeySequence(Qt::CTRL | Qt::Key_X), "editcut");
    editCopyAction = makeAction("editCopyAction", tr("Copy"), tr("C&opy"),
                                QKeySequence(Qt::CTRL | Qt::Key_C), "editcopy");
    editPasteAction = makeAction("editPasteAction", tr("Paste"), tr("&Paste"),
                                 QKeySequence(Qt::CTRL | Qt::Key_V), "editpaste");
    editFindAction = makeAction("editFindAction", tr("Find"), tr("&Find..."),
                                QKeySequence(Qt::CTRL | Qt::Key_F), "searchfind");
    helpContentsAction = makeAction("helpContentsAction", tr("Contents"), tr("&Contents..."), none);
    helpIndexAction = makeAction("helpIndexAction", tr("Index"), tr("&Index..."), none);
    helpAboutAction = makeAction("helpAboutAction", tr("About"), tr("&About..."), none);
}

void frmMain::createToolBar()
{
    toolBar = new QToolBar(tr("Tools"), this);
    addToolBar(Qt::TopToolBarArea, toolBar);
    toolBar->addAction(fileNewAction);
    toolBar->addAction(fileOpenAction);
    toolBar->addAction(fileSaveAction);
    toolBar->addAction(filePrintAction);
    toolBar->addSeparator();
}

void frmMain::createMenus()
{
    menubar = menuBar();
    menubar->setObjectName(QStringLiteral("menubar"));

    fileMenu = menubar->addMenu(tr("&File"));
    fileMenu->addAction(fileNewAction);
    fileMenu->addAction(fileOpenAction);
    fileMenu->addAction(fileSaveAction);
    fileMenu->addSeparator();
    fileMenu->addAction(filePrintAction);
    fileMenu->addSeparator();
    fileMenu->addAction(fileExitAction);

    decisionsMenu = menubar->addMenu(tr("&Decisions"));
    decisionsMenu->addAction(decisionsOpenAction);
    decisionsMenu->addAction(decisionsExportAction);
    decisionsMenu->addSeparator();
    decisionsMenu->addAction(decisionsFollowUpAction);
    decisionsMenu->addSeparator();
    decisionsMenu->addAction(decisionsFoldersAction);

    helpMenu = menubar->addMenu(tr("&Help"));
    helpMenu->addAction(helpContentsAction);
    helpMenu->addAction(helpIndexAction);
    helpMenu->addSeparator();
    helpMenu->addAction(helpAboutAction);
}

void frmMain::connectSignals()
{
    connect(fileNewAction, &QAction::triggered, this, &frmMain::fileNew);
    connect(fileOpenAction, &QAction::triggered, this, &frmMain::fileOpen);
    connect(fileSaveAction, &QAction::triggered, this, &frmMain::fileSave);
    connect(filePrintAction, &QAction::triggered, this, &frmMain::filePrint);
    connect(fileExitAction, &QAction::triggered, this, &frmMain::fileExit);
    connect(decisionsOpenAction, &QAction::triggered, this, &frmMain::decisionsOpen);
    connect(decisionsExportAction, &QAction::triggered, this, &frmMain::decisionsExport);
    connect(decisionsFollowUpAction, &QAction::triggered, this, &frmMain::decisionsFollowUp);
    connect(decisionsFoldersAction, &QAction::triggered, this, &frmMain::decisionsFolders);
    connect(helpIndexAction, &QAction::triggered, this, &frmMain::helpIndex);
    connect(helpContentsAction, &QAction::triggered, this, &frmMain::helpContents);
    connect(helpAboutAction, &QAction::triggered, this, &frmMain::helpAbout);
    connect(lvProblems, &QTreeWidget::itemSelectionChanged, this,
            [this] { lvProblems_selectionChanged(lvProblems->selectedItems().value(0)); });
    connect(lvProblems, &QTreeWidget::itemSelectionChanged, this, &frmMain::updateFollowUpAction);
    connect(btAddResp, &QPushButton::clicked, this, &frmMain::btAddResp_clicked);
    connect(lvResp, &QTreeWidget::itemSelectionChanged, this,
            [this] { lvResp_selectionChanged(lvResp->selectedItems().value(0)); });
    connect(btEditResp, &QPushButton::clicked, this, &frmMain::btEditResp_clicked);
    connect(btDeleteResp, &QPushButton::clicked, this, &frmMain::btDeleteResp_clicked);
    connect(txtDecision, &QTextEdit::textChanged, this, &frmMain::txtDecision_textChanged);
    connect(dtDue, &QDateTimeEdit::dateTimeChanged, this, &frmMain::dtDue_valueChanged);
    connect(btNoDue, &QToolButton::clicked, dtDue, &DueDateEdit::clearDue);
    connect(chkDone, &QCheckBox::toggled, this, &frmMain::chkDone_toggled);
    connect(txtNotes, &QTextEdit::textChanged, this, &frmMain::txtNotes_textChanged);
    connect(lvProblems, &QTreeWidget::itemExpanded, this, &frmMain::lvProblems_expanded);
    connect(lvResp, &QTreeWidget::itemDoubleClicked, this, &frmMain::lvResp_doubleClicked);
    connect(lvResp, &QTreeWidget::itemClicked, this, &frmMain::lvResp_clicked);
    lvProblems->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lvProblems, &QTreeWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        QTreeWidgetItem *item = lvProblems->itemAt(pos);
        lvProblems_rightButtonClicked(item, lvProblems->viewport()->mapToGlobal(pos),
                                      item ? 0 : -1);
    });
    lvProblems->setMouseTracking(true);
    connect(lvProblems, &QTreeWidget::itemEntered, this, &frmMain::lvProblems_onItem);
    connect(lvProblems, &QTreeWidget::viewportEntered, this, &frmMain::lvProblems_onViewport);
}

void frmMain::init()
{
    meetings = new QList<Meeting *>;
    tempFiles = new QStringList;

    lvProblems->setSortingEnabled(false);
    lvResp->setSortingEnabled(false);

    setEditorOpen(false); // nothing to edit until a meeting is shown

    trackDue = false;
    trackDecision = false;
    trackNotes = false;
    currentMeeting = -1;
    currentProblem = -1;
}

// The lists go, the records they name stay: they belong to the record store. A window destroyed
// without being closed leaves no notification page behind either.
void frmMain::destroy()
{
    stopNotifications();
    closeRecoveryJournal();
    saveRegisterPlace();
    if (tempFiles)
        removeTempFiles();
    delete decisionsWindow; // it shows the records that go next
    decisionsWindow = nullptr;
    deleteMeetings(meetings);
    meetings = nullptr;
    delete tempFiles;
    tempFiles = nullptr;
}

// The window owns its meetings: each goes, with everything it holds, when it leaves for good.
void frmMain::deleteMeetings(QList<Meeting *> *list)
{
    if (!list)
        return;
    for (Meeting *meeting : std::as_const(*list))
        delete meeting;
    delete list;
}

void frmMain::fileExit()
{
    qDebug().noquote() << "Exit";
    stopNotifications();
    removeTempFiles();
    close();
}

// However the window is closed, the notifications end and their pages go, as at Exit.
void frmMain::closeEvent(QCloseEvent *event)
{
    stopNotifications();
    removeTempFiles();
    QMainWindow::closeEvent(event);
}

// Once removed, the files are forgotten, so that closing after Exit names none of them again.
void frmMain::removeTempFiles()
{
    delFile();
    tempFiles->clear();
}

void frmMain::helpIndex()
{ }

void frmMain::helpContents()
{ }

void frmMain::helpAbout()
{
    QMessageBox::about(
        this, tr("Mootrak tracker"),
        QStringLiteral("Mootrak by Ivo Marrel\n"
                       "Please, send me feature requests and feed back.\n"
                       "E-mail: report through the issue tracker named in README.md\n"
                       "Web: see README.md in the Mootrak sources"));
}
