#include "app/frmmain.h"

#include <QAction>
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
#include <QSplitter>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/formwidgets.h"
#include "app/itemmargindelegate.h"
#include "images/pixmaploaders.h"

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
    qt_central_widget = new QWidget(this);
    qt_central_widget->setObjectName(QStringLiteral("qt_central_widget"));
    setCentralWidget(qt_central_widget);

    frmMainLayout = new QVBoxLayout(qt_central_widget);
    frmMainLayout->setObjectName(QStringLiteral("frmMainLayout"));
    frmMainLayout->setContentsMargins(11, 11, 11, 11);
    frmMainLayout->setSpacing(6);

    Splitter5 = new QSplitter(Qt::Horizontal, qt_central_widget);
    Splitter5->setObjectName(QStringLiteral("Splitter5"));
    frmMainLayout->addWidget(Splitter5);

    lvProblems = new QTreeWidget(Splitter5);
    lvProblems->setObjectName(QStringLiteral("lvProblems"));
    lvProblems->setColumnCount(1);
    lvProblems->setHeaderLabels({tr("Meetings")});
    lvProblems->setRootIsDecorated(true);

    createDetailEditor();
    Splitter5->setStretchFactor(1, 1);
}

static QTextEdit *plainTextEdit(const char *objectName, QWidget *parent)
{
    auto *edit = new QTextEdit(parent);
    edit->setObjectName(QString::fromLatin1(objectName));
    edit->setAcceptRichText(false);
    return edit;
}

void frmMain::createDetailEditor()
{
    Layout58 = new QWidget(Splitter5);
    Layout58->setObjectName(QStringLiteral("Layout58"));
    Layout58Layout = new QVBoxLayout(Layout58);
    Layout58Layout->setObjectName(QStringLiteral("Layout58Layout"));
    Layout58Layout->setContentsMargins(6, 6, 6, 6);
    Layout58Layout->setSpacing(6);

    Layout49 = makeNamedBox<QVBoxLayout>("Layout49");
    TextLabel1 = makeNamed<QLabel>("TextLabel1", tr("Full description:"), Layout58);
    txtFull = plainTextEdit("txtFull", Layout58);
    txtFull->setReadOnly(true);
    Layout49->addWidget(TextLabel1);
    Layout49->addWidget(txtFull);
    Layout58Layout->addLayout(Layout49);

    Layout56 = makeNamedBox<QVBoxLayout>("Layout56");
    TextLabel3 = makeNamed<QLabel>("TextLabel3", tr("Decision:"), Layout58);
    txtDecision = plainTextEdit("txtDecision", Layout58);
    Layout55 = makeNamedBox<QHBoxLayout>("Layout55");
    lblDue = makeNamed<QLabel>("lblDue", tr("Выполнить до:"), Layout58);
    dtDue = new QDateTimeEdit(Layout58);
    dtDue->setObjectName(QStringLiteral("dtDue"));
    dtDue->setDisplayFormat(QStringLiteral("yyyy-MM-dd hh:mm:ss")); // documents keep seconds
    dtDue->setCalendarPopup(true);
    Layout55->addWidget(lblDue);
    Layout55->addWidget(dtDue);
    Layout55->addStretch();
    Layout56->addWidget(TextLabel3);
    Layout56->addWidget(txtDecision);
    Layout56->addLayout(Layout55);
    Layout58Layout->addLayout(Layout56);

    Layout9_2 = makeNamedBox<QHBoxLayout>("Layout9_2");
    Layout8_2 = makeNamedBox<QVBoxLayout>("Layout8_2");
    lblResp = makeNamed<QLabel>("lblResp", tr("Responsibles:"), Layout58);
    lvResp = new QTreeWidget(Layout58);
    lvResp->setObjectName(QStringLiteral("lvResp"));
    lvResp->setRootIsDecorated(false);
    lvResp->setHeaderLabels({tr("Name"), tr("Occupation"), tr("Phone"), tr("E-mail")});
    lvResp->headerItem()->setIcon(0, uic_load_pixmap_frmMain(QStringLiteral("kdmconfig.png")));
    lvResp->setItemDelegate(new ItemMarginDelegate(2, lvResp));
    Layout8_2->addWidget(lblResp);
    Layout8_2->addWidget(lvResp);

    Layout68 = makeNamedBox<QVBoxLayout>("Layout68");
    btAddResp = makeNamed<QPushButton>("btAddResp", tr("&Add"), Layout58);
    btEditResp = makeNamed<QPushButton>("btEditResp", tr("&Edit"), Layout58);
    btDeleteResp = makeNamed<QPushButton>("btDeleteResp", tr("&Delete"), Layout58);
    Layout68->addStretch();
    Layout68->addWidget(btAddResp);
    Layout68->addWidget(btEditResp);
    Layout68->addWidget(btDeleteResp);
    Layout68->addStretch();
    Layout9_2->addLayout(Layout8_2);
    Layout9_2->addLayout(Layout68);
    Layout58Layout->addLayout(Layout9_2);

    Layout52 = makeNamedBox<QVBoxLayout>("Layout52");
    TextLabel3_2 = makeNamed<QLabel>("TextLabel3_2", tr("Notes:"), Layout58);
    txtNotes = plainTextEdit("txtNotes", Layout58);
    Layout52->addWidget(TextLabel3_2);
    Layout52->addWidget(txtNotes);
    Layout58Layout->addLayout(Layout52);
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
    connect(helpIndexAction, &QAction::triggered, this, &frmMain::helpIndex);
    connect(helpContentsAction, &QAction::triggered, this, &frmMain::helpContents);
    connect(helpAboutAction, &QAction::triggered, this, &frmMain::helpAbout);
    connect(lvProblems, &QTreeWidget::itemSelectionChanged, this,
            [this] { lvProblems_selectionChanged(lvProblems->selectedItems().value(0)); });
    connect(btAddResp, &QPushButton::clicked, this, &frmMain::btAddResp_clicked);
    connect(lvResp, &QTreeWidget::itemSelectionChanged, this,
            [this] { lvResp_selectionChanged(lvResp->selectedItems().value(0)); });
    connect(btEditResp, &QPushButton::clicked, this, &frmMain::btEditResp_clicked);
    connect(btDeleteResp, &QPushButton::clicked, this, &frmMain::btDeleteResp_clicked);
    connect(txtDecision, &QTextEdit::textChanged, this, &frmMain::txtDecision_textChanged);
    connect(dtDue, &QDateTimeEdit::dateTimeChanged, this, &frmMain::dtDue_valueChanged);
    connect(txtNotes, &QTextEdit::textChanged, this, &frmMain::txtNotes_textChanged);
    connect(lvProblems, &QTreeWidget::itemExpanded, this, &frmMain::lvProblems_expanded);
    connect(lvResp, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *item) { lvResp_doubleClicked(item); });
    connect(lvResp, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { lvResp_clicked(item); });
    lvProblems->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lvProblems, &QTreeWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        QTreeWidgetItem *item = lvProblems->itemAt(pos);
        lvProblems_rightButtonClicked(item, lvProblems->viewport()->mapToGlobal(pos),
                                      item ? 0 : -1);
    });
    lvProblems->setMouseTracking(true);
    connect(lvProblems, &QTreeWidget::itemEntered, this,
            [this](QTreeWidgetItem *item) { lvProblems_onItem(item); });
    connect(lvProblems, &QTreeWidget::viewportEntered, this, &frmMain::lvProblems_onViewport);
}

void frmMain::init()
{
    meetings = new QList<Meeting *>;
    tempFiles = new QStringList;

    lvProblems->setSortingEnabled(false);
    lvResp->setSortingEnabled(false);

    btAddResp->setEnabled(false);
    btEditResp->setEnabled(false);
    btDeleteResp->setEnabled(false);

    trackDue = false;
    trackDecision = false;
    trackNotes = false;
    currentMeeting = -1;
    currentProblem = -1;

    txtDecision->setReadOnly(true);
    txtNotes->setReadOnly(true);
}

// The lists go, the records they name stay: they belong to the record store.
void frmMain::destroy()
{
    delete meetings;
    meetings = nullptr;
    delete tempFiles;
    tempFiles = nullptr;
}

void frmMain::fileExit()
{
    qDebug().noquote() << "Exit";
    delFile();
    close();
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
