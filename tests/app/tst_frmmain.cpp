#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolBar>
#include <QTreeWidget>

#include "app/frmmain.h"
#include "support/dialogscript.h"
#include "support/frmmaininspector.h"

// Each entry becomes a test row: its ';'-separated fields as "row", its place as "index".
static void addTable(const QStringList &rows)
{
    QTest::addColumn<QStringList>("row");
    QTest::addColumn<int>("index");
    for (int i = 0; i < rows.size(); ++i)
        QTest::newRow(qPrintable(rows.at(i).section(';', 0, 0))) << rows.at(i).split(';') << i;
}

// Actions by name, separators as "|", menus by their text with their entries in brackets.
static QString entries(const QList<QAction *> &actions)
{
    QStringList names;
    for (const QAction *action : actions)
        names << (action->menu() ? action->text() + " [" + entries(action->menu()->actions()) + ']'
                      : action->isSeparator() ? "|"
                                              : action->objectName());
    return names.join(' ');
}

class tst_FrmMain : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    // Names; their kind; their parent, unchecked for layouts; their texts or column headers.
    void widgets_data()
    {
        addTable({"qt_central_widget;QWidget;frmMain", "menubar;QMenuBar;frmMain",
                  "frmMainLayout;QVBoxLayout;qt_central_widget",
                  "Splitter5;QSplitter;qt_central_widget",
                  "lvProblems;QTreeWidget;Splitter5;Meetings", "Layout58;QWidget;Splitter5",
                  "TextLabel1 TextLabel3 lblDue lblResp TextLabel3_2;QLabel;Layout58;"
                  "Full description:|Decision:|Выполнить до:|Responsibles:|Notes:",
                  "txtFull txtDecision txtNotes;QTextEdit;Layout58", "dtDue;QDateTimeEdit;Layout58",
                  "lvResp;QTreeWidget;Layout58;Name|Occupation|Phone|E-mail",
                  "btAddResp btEditResp btDeleteResp;QPushButton;Layout58;&Add|&Edit|&Delete",
                  "Layout49 Layout56 Layout8_2 Layout68 Layout52;QVBoxLayout",
                  "Layout55 Layout9_2;QHBoxLayout"});
    }

    void widgets()
    {
        QFETCH(QStringList, row);
        frmMain window;
        QStringList texts;
        for (const QString &name : row.at(0).split(' ')) {
            QObject *object = window.findChild<QObject *>(name);
            QCOMPARE(object ? object->metaObject()->className() : "nothing", row.at(1));
            QVERIFY(row.size() < 3 || object->parent()->objectName() == row.at(2));
            auto *tree = qobject_cast<QTreeWidget *>(object);
            for (int column = 0; column < (tree ? tree->columnCount() : 1); ++column)
                texts << (tree ? tree->headerItem()->text(column)
                               : object->property("text").toString());
        }
        QVERIFY(row.size() < 4 || texts.join('|') == row.at(3));
    }

    void firstLook()
    {
        frmMain window;
        QCOMPARE(window.objectName() + '|' + window.windowTitle(), "frmMain|Decision tracker");
        QCOMPARE(window.size(), QSize(699, 726));
        QVERIFY(window.findChild<QStatusBar *>() && window.statusBar()->currentMessage().isEmpty()
                && !window.btAddResp->isEnabled() && !window.btEditResp->isEnabled()
                && !window.btDeleteResp->isEnabled() && window.lvProblems->rootIsDecorated()
                && !window.lvResp->rootIsDecorated() && !window.lvProblems->topLevelItemCount()
                && window.toolBarArea(window.toolBar) == Qt::TopToolBarArea);
        QCOMPARE(window.findChildren<QToolBar *>(), QList<QToolBar *>({window.toolBar}));
        QCOMPARE(entries(window.menubar->actions()) + " / " + window.toolBar->windowTitle() + ": "
                     + entries(window.toolBar->actions()),
                 "&File [fileNewAction fileOpenAction fileSaveAction | filePrintAction | "
                 "fileExitAction] &Help [helpContentsAction helpIndexAction | helpAboutAction] / "
                 "Tools: fileNewAction fileOpenAction fileSaveAction filePrintAction |");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (QTextEdit *edit : {window.txtDecision, window.txtNotes, window.txtFull}) {
            QTest::keyClicks(edit, "typed");
            QVERIFY(edit->isReadOnly() && edit->toPlainText().isEmpty());
        }
    }

    // Name; text; menu text; shortcut; use: "keys" the shortcut reaches it, "idle" it does nothing,
    // "unplaced" nothing and in no widget, "about" the about box. In the order they are created.
    void actions_data()
    {
        addTable(
            {"fileNewAction;New;&New;Ctrl+N;keys", "fileOpenAction;Open;&Open...;Ctrl+O;keys",
             "fileSaveAction;Save;&Save;Ctrl+S;keys",
             "fileSaveAsAction;Save As;Save &As...;;unplaced",
             "filePrintAction;Print selected meeting;&Print...;Ctrl+P;keys",
             "fileExitAction;Exit;E&xit;;", "editUndoAction;Undo;&Undo;Ctrl+Z;unplaced",
             "editRedoAction;Redo;&Redo;Ctrl+Y;unplaced", "editCutAction;Cut;&Cut;Ctrl+X;unplaced",
             "editCopyAction;Copy;C&opy;Ctrl+C;unplaced",
             "editPasteAction;Paste;&Paste;Ctrl+V;unplaced",
             "editFindAction;Find;&Find...;Ctrl+F;unplaced",
             "helpContentsAction;Contents;&Contents...;;idle",
             "helpIndexAction;Index;&Index...;;idle", "helpAboutAction;About;&About...;;about"});
    }

    // Each dialog a use opens is noted and closed: the keys are under test, not the commands.
    void actions()
    {
        QFETCH(QStringList, row);
        QFETCH(int, index);
        frmMain window;
        window.show();
        QAction *action = window.findChildren<QAction *>(Qt::FindDirectChildrenOnly).value(index);
        QVERIFY(QTest::qWaitForWindowActive(&window) && action && action->isEnabled()
                && action->shortcutContext() == Qt::WindowShortcut);
        QCOMPARE(QStringList({action->objectName(), action->iconText(), action->text(),
                              action->shortcut().toString()}),
                 row.mid(0, 4));
        QCOMPARE(action->associatedObjects().isEmpty(), row.at(4) == "unplaced");
        const QWidgetList before = QApplication::topLevelWidgets();
        int triggered = 0, buttons = 0; // the buttons of the first dialog, a message box
        connect(action, &QAction::triggered, [&] { ++triggered; });
        DialogScript script({[&](QWidget *dialog) {
            if (auto *box = qobject_cast<QMessageBox *>(dialog))
                buttons = box->buttons().size();
            dialog->close();
        }});
        window.lvProblems->setFocus();
        if (row.at(4) == "keys")
            QTest::keySequence(&window, action->shortcut());
        else if (!row.at(4).isEmpty())
            action->trigger();
        QTest::qWait(30);
        QCOMPARE(triggered, row.at(4).isEmpty() ? 0 : 1);
        const QString about = script.seen.join("\n\n"); // four lines when only the about box
        if (row.at(4) == "about")
            QVERIFY(script.parents.value(0) == &window && buttons == 1 && about.count('\n') == 3
                    && about.section('\n', 3).startsWith("Web:")
                    && about.startsWith("Mootrak tracker | Mootrak by Ivo Marrel\nPlease, send me "
                                        "feature requests and feed back.\nE-mail:"));
        else if (row.at(4) != "keys" && !row.at(4).isEmpty())
            QVERIFY(script.seen.isEmpty() && QApplication::topLevelWidgets() == before
                    && frmMainInspector(window).meetings()->isEmpty());
    }

    // Case; files there; files already gone, in a fresh directory.
    void exitDeletesTemporaryFiles_data()
    {
        addTable({"no temporary files;;", "one file;mtAbCdEf.html;", "two files;mt1.html mt2.html;",
                  "one already gone;mt1.html mt3.html;mtgone.html"});
    }

    void exitDeletesTemporaryFiles()
    {
        QFETCH(QStringList, row);
        QTemporaryDir dir;
        frmMain window;
        window.show();
        QTest::ignoreMessage(QtDebugMsg, "Exit");
        for (const QString &name : (row.at(1) + ' ' + row.at(2)).split(' ', Qt::SkipEmptyParts)) {
            const QString path = dir.filePath(name);
            QVERIFY(row.at(2).split(' ').contains(name) || QFile(path).open(QIODevice::WriteOnly));
            frmMainInspector(window).tempFiles()->append(path);
            QTest::ignoreMessage(QtDebugMsg, qPrintable("Del File: " + path));
        }
        window.fileExit();
        QVERIFY(!window.isVisible() && QDir(dir.path()).isEmpty());
    }
};

QTEST_MAIN(tst_FrmMain)
#include "tst_frmmain.moc"
