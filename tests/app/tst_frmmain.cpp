#include <QAction>
#include <QApplication>
#include <QDateTimeEdit>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSplitter>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>
#include <QTreeWidget>

#include "app/frmmain.h"
#include "support/dialogs.h"
#include "support/frmmaininspector.h"

class tst_FrmMain : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void widgetTree_data();
    void widgetTree();
    void texts_data();
    void texts();
    void firstLook();
    void editorsRefuseTyping_data();
    void editorsRefuseTyping();
    void actions_data();
    void actions();
    void actionsInCreationOrder();
    void menusAndToolBar();
    void acceleratorsTriggerTheirActions_data();
    void acceleratorsTriggerTheirActions();
    void unplacedActionsDoNothing();
    void exitDeletesTemporaryFiles_data();
    void exitDeletesTemporaryFiles();
    void helpShowsNothing_data();
    void helpShowsNothing();
    void aboutBox();
};

void tst_FrmMain::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_FrmMain::widgetTree_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("parentName");

    const char *rows[][3] = {
        {"qt_central_widget", "QWidget", "frmMain"},
        {"frmMainLayout", "QVBoxLayout", "qt_central_widget"},
        {"Splitter5", "QSplitter", "qt_central_widget"},
        {"lvProblems", "QTreeWidget", "Splitter5"},
        {"Layout58", "QWidget", "Splitter5"},
        {"Layout49", "QVBoxLayout", ""},
        {"TextLabel1", "QLabel", "Layout58"},
        {"txtFull", "QTextEdit", "Layout58"},
        {"Layout56", "QVBoxLayout", ""},
        {"TextLabel3", "QLabel", "Layout58"},
        {"txtDecision", "QTextEdit", "Layout58"},
        {"Layout55", "QHBoxLayout", ""},
        {"lblDue", "QLabel", "Layout58"},
        {"dtDue", "QDateTimeEdit", "Layout58"},
        {"Layout9_2", "QHBoxLayout", ""},
        {"Layout8_2", "QVBoxLayout", ""},
        {"lblResp", "QLabel", "Layout58"},
        {"lvResp", "QTreeWidget", "Layout58"},
        {"Layout68", "QVBoxLayout", ""},
        {"btAddResp", "QPushButton", "Layout58"},
        {"btEditResp", "QPushButton", "Layout58"},
        {"btDeleteResp", "QPushButton", "Layout58"},
        {"Layout52", "QVBoxLayout", ""},
        {"TextLabel3_2", "QLabel", "Layout58"},
        {"txtNotes", "QTextEdit", "Layout58"},
        {"menubar", "QMenuBar", "frmMain"},
    };
    for (const auto &row : rows)
        QTest::addRow("%s", row[0]) << row[0] << row[1] << row[2];
}

void tst_FrmMain::widgetTree()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, parentName);

    frmMain window;
    QObject *object = window.findChild<QObject *>(name);
    QVERIFY2(object, qPrintable(name));
    QCOMPARE(QString::fromLatin1(object->metaObject()->className()), kind);
    if (!parentName.isEmpty())
        QCOMPARE(object->parent()->objectName(), parentName);
}

void tst_FrmMain::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    QTest::addRow("full description label") << "TextLabel1"
                                            << "Full description:";
    QTest::addRow("decision label") << "TextLabel3"
                                    << "Decision:";
    QTest::addRow("due label") << "lblDue" << QStringLiteral("Выполнить до:");
    QTest::addRow("person list label") << "lblResp"
                                       << "Responsibles:";
    QTest::addRow("notes label") << "TextLabel3_2"
                                 << "Notes:";
    QTest::addRow("add button") << "btAddResp"
                                << "&Add";
    QTest::addRow("edit button") << "btEditResp"
                                 << "&Edit";
    QTest::addRow("delete button") << "btDeleteResp"
                                   << "&Delete";
}

void tst_FrmMain::texts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);

    frmMain window;
    QObject *object = window.findChild<QObject *>(name);
    QVERIFY(object);
    QCOMPARE(object->property("text").toString(), text);
}

void tst_FrmMain::firstLook()
{
    frmMain window;
    frmMainInspector state(window);

    QCOMPARE(window.objectName(), QStringLiteral("frmMain"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Decision tracker"));
    QCOMPARE(window.size(), QSize(699, 726));
    QVERIFY(window.statusBar());
    QVERIFY(window.statusBar()->currentMessage().isEmpty());

    QCOMPARE(window.lvProblems->columnCount(), 1);
    QCOMPARE(window.lvProblems->headerItem()->text(0), QStringLiteral("Meetings"));
    QVERIFY(window.lvProblems->rootIsDecorated());
    QCOMPARE(window.lvProblems->topLevelItemCount(), 0);
    QVERIFY(!window.lvProblems->isSortingEnabled());

    const QStringList personColumns {"Name", "Occupation", "Phone", "E-mail"};
    QCOMPARE(window.lvResp->columnCount(), personColumns.size());
    for (int column = 0; column < personColumns.size(); ++column)
        QCOMPARE(window.lvResp->headerItem()->text(column), personColumns.at(column));
    QVERIFY(!window.lvResp->isSortingEnabled());
    QVERIFY(!window.lvResp->rootIsDecorated());

    QVERIFY(!window.btAddResp->isEnabled());
    QVERIFY(!window.btEditResp->isEnabled());
    QVERIFY(!window.btDeleteResp->isEnabled());
    QVERIFY(window.txtFull->isReadOnly());

    QVERIFY(state.meetings() && state.meetings()->isEmpty());
    QVERIFY(state.tempFiles() && state.tempFiles()->isEmpty());
    QCOMPARE(state.currentMeeting(), -1);
    QCOMPARE(state.currentProblem(), -1);
    QVERIFY(!state.trackDecision() && !state.trackNotes() && !state.trackDue());
    QVERIFY(state.workingFileName().isNull());
}

void tst_FrmMain::editorsRefuseTyping_data()
{
    QTest::addColumn<QString>("name");
    QTest::addRow("decision") << "txtDecision";
    QTest::addRow("notes") << "txtNotes";
    QTest::addRow("full description") << "txtFull";
}

void tst_FrmMain::editorsRefuseTyping()
{
    QFETCH(QString, name);

    frmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *edit = window.findChild<QTextEdit *>(name);
    QVERIFY(edit);
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("typed"));
    QVERIFY(edit->isReadOnly());
    QVERIFY(edit->toPlainText().isEmpty());
    QVERIFY(!edit->acceptRichText());
}

void tst_FrmMain::actions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("menuText");
    QTest::addColumn<QKeySequence>("shortcut");

    const QKeySequence none;
    QTest::addRow("new") << "fileNewAction"
                         << "New"
                         << "&New" << QKeySequence("Ctrl+N");
    QTest::addRow("open") << "fileOpenAction"
                          << "Open"
                          << "&Open..." << QKeySequence("Ctrl+O");
    QTest::addRow("save") << "fileSaveAction"
                          << "Save"
                          << "&Save" << QKeySequence("Ctrl+S");
    QTest::addRow("save as") << "fileSaveAsAction"
                             << "Save As"
                             << "Save &As..." << none;
    QTest::addRow("print") << "filePrintAction"
                           << "Print selected meeting"
                           << "&Print..." << QKeySequence("Ctrl+P");
    QTest::addRow("exit") << "fileExitAction"
                          << "Exit"
                          << "E&xit" << none;
    QTest::addRow("undo") << "editUndoAction"
                          << "Undo"
                          << "&Undo" << QKeySequence("Ctrl+Z");
    QTest::addRow("redo") << "editRedoAction"
                          << "Redo"
                          << "&Redo" << QKeySequence("Ctrl+Y");
    QTest::addRow("cut") << "editCutAction"
                         << "Cut"
                         << "&Cut" << QKeySequence("Ctrl+X");
    QTest::addRow("copy") << "editCopyAction"
                          << "Copy"
                          << "C&opy" << QKeySequence("Ctrl+C");
    QTest::addRow("paste") << "editPasteAction"
                           << "Paste"
                           << "&Paste" << QKeySequence("Ctrl+V");
    QTest::addRow("find") << "editFindAction"
                          << "Find"
                          << "&Find..." << QKeySequence("Ctrl+F");
    QTest::addRow("contents") << "helpContentsAction"
                              << "Contents"
                              << "&Contents..." << none;
    QTest::addRow("index") << "helpIndexAction"
                           << "Index"
                           << "&Index..." << none;
    QTest::addRow("about") << "helpAboutAction"
                           << "About"
                           << "&About..." << none;
}

void tst_FrmMain::actions()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, menuText);
    QFETCH(QKeySequence, shortcut);

    frmMain window;
    auto *action = window.findChild<QAction *>(name, Qt::FindDirectChildrenOnly);
    QVERIFY(action);
    QCOMPARE(action->iconText(), text);
    QCOMPARE(action->text(), menuText);
    QCOMPARE(action->shortcut(), shortcut);
    QCOMPARE(action->shortcutContext(), Qt::WindowShortcut);
    QVERIFY(action->isEnabled());
}

void tst_FrmMain::actionsInCreationOrder()
{
    frmMain window;
    QStringList created;
    const auto owned = window.findChildren<QAction *>(QString(), Qt::FindDirectChildrenOnly);
    for (const QAction *action : owned) {
        if (action->objectName().endsWith(QLatin1String("Action")))
            created << action->objectName();
    }
    QCOMPARE(created,
             QStringList({"fileNewAction", "fileOpenAction", "fileSaveAction", "fileSaveAsAction",
                          "filePrintAction", "fileExitAction", "editUndoAction", "editRedoAction",
                          "editCutAction", "editCopyAction", "editPasteAction", "editFindAction",
                          "helpContentsAction", "helpIndexAction", "helpAboutAction"}));
}

static QStringList entries(const QList<QAction *> &actions)
{
    QStringList names;
    for (const QAction *action : actions)
        names << (action->isSeparator() ? QStringLiteral("|") : action->objectName());
    return names;
}

void tst_FrmMain::menusAndToolBar()
{
    frmMain window;

    const QList<QAction *> top = window.menubar->actions();
    QCOMPARE(top.size(), 2);
    QCOMPARE(top.at(0)->text(), QStringLiteral("&File"));
    QCOMPARE(top.at(1)->text(), QStringLiteral("&Help"));
    QCOMPARE(top.at(0)->menu(), window.fileMenu);
    QCOMPARE(top.at(1)->menu(), window.helpMenu);

    QCOMPARE(entries(window.fileMenu->actions()),
             QStringList({"fileNewAction", "fileOpenAction", "fileSaveAction", "|",
                          "filePrintAction", "|", "fileExitAction"}));
    QCOMPARE(entries(window.helpMenu->actions()),
             QStringList({"helpContentsAction", "helpIndexAction", "|", "helpAboutAction"}));

    const QList<QToolBar *> bars = window.findChildren<QToolBar *>();
    QCOMPARE(bars.size(), 1);
    QCOMPARE(bars.at(0)->windowTitle(), QStringLiteral("Tools"));
    QCOMPARE(window.toolBarArea(bars.at(0)), Qt::TopToolBarArea);
    QCOMPARE(
        entries(bars.at(0)->actions()),
        QStringList({"fileNewAction", "fileOpenAction", "fileSaveAction", "filePrintAction", "|"}));
}

void tst_FrmMain::acceleratorsTriggerTheirActions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addRow("new") << "fileNewAction" << QKeySequence("Ctrl+N");
    QTest::addRow("open") << "fileOpenAction" << QKeySequence("Ctrl+O");
    QTest::addRow("save") << "fileSaveAction" << QKeySequence("Ctrl+S");
    QTest::addRow("print") << "filePrintAction" << QKeySequence("Ctrl+P");
}

// Pressed anywhere in the window, the accelerator reaches its action. Whatever dialog the
// command opens is dismissed: this test is about the key, not the command.
void tst_FrmMain::acceleratorsTriggerTheirActions()
{
    QFETCH(QString, name);
    QFETCH(QKeySequence, keys);

    frmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *action = window.findChild<QAction *>(name);
    QSignalSpy triggered(action, &QAction::triggered);

    QTimer dismisser;
    connect(&dismisser, &QTimer::timeout, [] {
        if (QWidget *dialog = QApplication::activeModalWidget())
            dialog->close();
    });
    dismisser.start(10);
    window.lvProblems->setFocus();
    QTest::keySequence(&window, keys);
    dismisser.stop();

    QCOMPARE(triggered.count(), 1);
}

void tst_FrmMain::unplacedActionsDoNothing()
{
    frmMain window;
    frmMainInspector state(window);
    const QList<QAction *> unplaced {window.fileSaveAsAction, window.editUndoAction,
                                     window.editRedoAction,   window.editCutAction,
                                     window.editCopyAction,   window.editPasteAction,
                                     window.editFindAction};
    const QWidgetList before = QApplication::topLevelWidgets();
    for (QAction *action : unplaced) {
        QVERIFY2(action->associatedObjects().isEmpty(), qPrintable(action->objectName()));
        action->trigger();
    }
    QCOMPARE(QApplication::topLevelWidgets(), before);
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(state.meetings()->isEmpty());
    QCOMPARE(window.windowTitle(), QStringLiteral("Decision tracker"));
}

void tst_FrmMain::exitDeletesTemporaryFiles_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("missing");
    QTest::addRow("no temporary files") << QStringList() << QStringList();
    QTest::addRow("one file") << QStringList {"mtAbCdEf.html"} << QStringList();
    QTest::addRow("two files") << QStringList {"mt1.html", "mt2.html"} << QStringList();
    QTest::addRow("one already gone")
        << QStringList {"mt1.html", "mt3.html"} << QStringList {"mtgone.html"};
}

void tst_FrmMain::exitDeletesTemporaryFiles()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, missing);

    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    frmMain window;
    frmMainInspector state(window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QTest::ignoreMessage(QtDebugMsg, "Exit");
    for (const QString &name : files + missing) {
        const QString path = dir.filePath(name);
        if (files.contains(name)) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        state.tempFiles()->append(path);
        QTest::ignoreMessage(QtDebugMsg, qPrintable("Del File: " + path));
    }
    window.fileExit();

    for (const QString &name : files)
        QVERIFY2(!QFile::exists(dir.filePath(name)), qPrintable(name));
    QVERIFY(!window.isVisible());
    QCOMPARE(state.tempFiles()->size(), files.size() + missing.size());
}

void tst_FrmMain::helpShowsNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addRow("contents") << "helpContentsAction";
    QTest::addRow("index") << "helpIndexAction";
}

void tst_FrmMain::helpShowsNothing()
{
    QFETCH(QString, name);

    frmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QWidgetList before = QApplication::topLevelWidgets();
    auto *action = window.findChild<QAction *>(name);
    QVERIFY(action->isEnabled());
    bool dialogSeen = false;
    answerNextDialog([&dialogSeen](QWidget *dialog) {
        dialogSeen = true;
        dialog->close();
    });
    action->trigger();
    QTest::qWait(20);

    QVERIFY(!dialogSeen);
    QCOMPARE(QApplication::topLevelWidgets(), before);
    QCOMPARE(window.windowTitle(), QStringLiteral("Decision tracker"));
}

void tst_FrmMain::aboutBox()
{
    frmMain window;
    QString caption;
    QString text;
    QWidget *parent = nullptr;
    int buttons = 0;
    answerNextDialog([&](QWidget *dialog) {
        if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
            caption = box->windowTitle();
            text = box->text();
            parent = box->parentWidget();
            buttons = box->buttons().size();
        }
        dialog->close();
    });
    window.helpAboutAction->trigger();

    QCOMPARE(caption, QStringLiteral("Mootrak tracker"));
    QCOMPARE(parent, &window);
    QCOMPARE(buttons, 1);
    const QStringList lines = text.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines.at(0), QStringLiteral("Mootrak by Ivo Marrel"));
    QCOMPARE(lines.at(1), QStringLiteral("Please, send me feature requests and feed back."));
    QVERIFY(lines.at(2).startsWith(QLatin1String("E-mail")));
    QVERIFY(lines.at(3).startsWith(QLatin1String("Web")));
    QVERIFY(!text.endsWith(QLatin1Char('\n')));
}

QTEST_MAIN(tst_FrmMain)
#include "tst_frmmain.moc"
