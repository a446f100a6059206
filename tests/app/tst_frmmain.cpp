#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

#include "app/frmmain.h"
#include "support/frmmaininspector.h"

// Each entry becomes a test row: its ';'-separated fields as "row", its place as "index".
static void addTable(const QStringList &rows)
{
    QTest::addColumn<QStringList>("row");
    QTest::addColumn<int>("index");
    for (int index = 0; index < rows.size(); ++index)
        QTest::newRow(qPrintable(rows.at(index).section(';', 0, 0)))
            << rows.at(index).split(';') << index;
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
        addTable({
            "qt_central_widget;QWidget;frmMain",
            "menubar;QMenuBar;frmMain",
            "frmMainLayout;QVBoxLayout;qt_central_widget",
            "Splitter5;QSplitter;qt_central_widget",
            "lvProblems;QTreeWidget;Splitter5;Meetings",
            "Layout58;QWidget;Splitter5",
            "TextLabel1 TextLabel3 lblDue lblResp TextLabel3_2;QLabel;Layout58;"
            "Full description:|Decision:|Выполнить до:|Responsibles:|Notes:",
            "txtFull txtDecision txtNotes;QTextEdit;Layout58",
            "dtDue;QDateTimeEdit;Layout58",
            "lvResp;QTreeWidget;Layout58;Name|Occupation|Phone|E-mail",
            "btAddResp btEditResp btDeleteResp;QPushButton;Layout58;&Add|&Edit|&Delete",
            "Layout49 Layout56 Layout8_2 Layout68 Layout52;QVBoxLayout",
            "Layout55 Layout9_2;QHBoxLayout",
        });
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
            if (auto *tree = qobject_cast<QTreeWidget *>(object))
                for (int column = 0; column < tree->columnCount(); ++column)
                    texts << tree->headerItem()->text(column);
            else
                texts << object->property("text").toString();
        }
        QVERIFY(row.size() < 4 || texts.join('|') == row.at(3));
    }

    void firstLook()
    {
        frmMain window;
        QCOMPARE(window.objectName() + '|' + window.windowTitle(), "frmMain|Decision tracker");
        QCOMPARE(window.size(), QSize(699, 726));
        QVERIFY(window.findChild<QStatusBar *>() && window.statusBar()->currentMessage().isEmpty());
        for (const QPushButton *button : {window.btAddResp, window.btEditResp, window.btDeleteResp})
            QVERIFY(!button->isEnabled());
        QVERIFY(window.lvProblems->rootIsDecorated() && !window.lvResp->rootIsDecorated());
        QCOMPARE(window.lvProblems->topLevelItemCount(), 0);
        QCOMPARE(entries(window.menubar->actions()),
                 "&File [fileNewAction fileOpenAction fileSaveAction | filePrintAction | "
                 "fileExitAction] &Help [helpContentsAction helpIndexAction | helpAboutAction]");
        QCOMPARE(window.findChildren<QToolBar *>(), QList<QToolBar *>({window.toolBar}));
        QCOMPARE(window.toolBar->windowTitle() + '|' + entries(window.toolBar->actions()),
                 "Tools|fileNewAction fileOpenAction fileSaveAction filePrintAction |");
        QCOMPARE(window.toolBarArea(window.toolBar), Qt::TopToolBarArea);
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
        addTable({
            "fileNewAction;New;&New;Ctrl+N;keys",
            "fileOpenAction;Open;&Open...;Ctrl+O;keys",
            "fileSaveAction;Save;&Save;Ctrl+S;keys",
            "fileSaveAsAction;Save As;Save &As...;;unplaced",
            "filePrintAction;Print selected meeting;&Print...;Ctrl+P;keys",
            "fileExitAction;Exit;E&xit;;",
            "editUndoAction;Undo;&Undo;Ctrl+Z;unplaced",
            "editRedoAction;Redo;&Redo;Ctrl+Y;unplaced",
            "editCutAction;Cut;&Cut;Ctrl+X;unplaced",
            "editCopyAction;Copy;C&opy;Ctrl+C;unplaced",
            "editPasteAction;Paste;&Paste;Ctrl+V;unplaced",
            "editFindAction;Find;&Find...;Ctrl+F;unplaced",
            "helpContentsAction;Contents;&Contents...;;idle",
            "helpIndexAction;Index;&Index...;;idle",
            "helpAboutAction;About;&About...;;about",
        });
    }

    // Whatever dialog a use opens, a timer closes: the keys are under test, not the commands.
    void actions()
    {
        QFETCH(QStringList, row);
        QFETCH(int, index);
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QAction *action = window.findChildren<QAction *>(Qt::FindDirectChildrenOnly).value(index);
        QVERIFY(action && action->isEnabled() && action->shortcutContext() == Qt::WindowShortcut);
        QCOMPARE(QStringList({action->objectName(), action->iconText(), action->text(),
                              action->shortcut().toString()}),
                 row.mid(0, 4));
        QCOMPARE(action->associatedObjects().isEmpty(), row.at(4) == "unplaced");
        const QWidgetList before = QApplication::topLevelWidgets();
        QSignalSpy triggered(action, &QAction::triggered);
        QStringList opened; // parent, caption, buttons and text of each dialog closed
        QTimer dismisser;
        connect(&dismisser, &QTimer::timeout, [&] {
            if (QWidget *dialog = QApplication::activeModalWidget()) {
                auto *box = qobject_cast<QMessageBox *>(dialog);
                opened << (dialog->parentWidget() == &window ? "window | " : "elsewhere | ")
                        + dialog->windowTitle() + " | "
                        + QString::number(box ? box->buttons().size() : 0) + " | "
                        + (box ? box->text() : QString());
                dialog->close();
            }
        });
        dismisser.start(10);
        if (row.at(4) == "keys") {
            window.lvProblems->setFocus();
            QTest::keySequence(&window, action->shortcut());
            QCOMPARE(triggered.count(), 1);
        } else if (row.at(4) == "about") {
            action->trigger();
            const QStringList lines = opened.value(0).split('\n');
            QCOMPARE(lines.mid(0, 2),
                     QStringList({"window | Mootrak tracker | 1 | Mootrak by Ivo Marrel",
                                  "Please, send me feature requests and feed back."}));
            QVERIFY(opened.size() == 1 && lines.size() == 4 && lines.at(2).startsWith("E-mail:")
                    && lines.at(3).startsWith("Web:"));
        } else if (!row.at(4).isEmpty()) {
            action->trigger();
            QTest::qWait(30);
            QVERIFY(opened.isEmpty() && QApplication::topLevelWidgets() == before);
            QVERIFY(frmMainInspector(window).meetings()->isEmpty());
        }
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
        const QStringList listed = (row.at(1) + ' ' + row.at(2)).split(' ', Qt::SkipEmptyParts);
        QTemporaryDir dir;
        frmMain window;
        QStringList *tempFiles = frmMainInspector(window).tempFiles();
        window.show();
        QTest::ignoreMessage(QtDebugMsg, "Exit");
        for (const QString &name : listed) {
            QVERIFY(row.at(2).split(' ').contains(name)
                    || QFile(dir.filePath(name)).open(QIODevice::WriteOnly));
            tempFiles->append(dir.filePath(name));
            QTest::ignoreMessage(QtDebugMsg, qPrintable("Del File: " + dir.filePath(name)));
        }
        window.fileExit();
        QVERIFY(!window.isVisible() && QDir(dir.path()).isEmpty());
    }
};

QTEST_MAIN(tst_FrmMain)
#include "tst_frmmain.moc"
