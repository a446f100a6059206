#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTreeWidget>

#include "app/frmmain.h"
#include "support/dialogscript.h"
#include "support/frmmaininspector.h"

class tst_FrmMain : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    // Until a meeting is shown there is nothing to edit.
    void startsWithNothingToEdit_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::newRow("decision") << "txtDecision";
        QTest::newRow("notes") << "txtNotes";
    }

    void startsWithNothingToEdit()
    {
        QFETCH(QString, edit);
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *text = window.findChild<QTextEdit *>(edit);
        QTest::keyClicks(text, "typed");
        QCOMPARE(text->toPlainText(), QString());
        QVERIFY(!window.btAddResp->isEnabled());
        QVERIFY(!window.btEditResp->isEnabled());
        QVERIFY(!window.btDeleteResp->isEnabled());
    }

    void shortcuts_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("New") << "fileNewAction" << QKeySequence(Qt::CTRL | Qt::Key_N);
        QTest::newRow("Open") << "fileOpenAction" << QKeySequence(Qt::CTRL | Qt::Key_O);
        QTest::newRow("Save") << "fileSaveAction" << QKeySequence(Qt::CTRL | Qt::Key_S);
        QTest::newRow("Print") << "filePrintAction" << QKeySequence(Qt::CTRL | Qt::Key_P);
    }

    // The keys work wherever the focus is in the window.
    void shortcuts()
    {
        QFETCH(QString, action);
        QFETCH(QKeySequence, keys);
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy triggered(window.findChild<QAction *>(action), &QAction::triggered);
        DialogScript script({Answers::cancel(), Answers::cancel()}); // what the command opens
        window.lvProblems->setFocus();
        QTest::keySequence(&window, keys);
        QCOMPARE(triggered.size(), 1);
    }

    void helpContentsAndIndexShowNothing()
    {
        frmMain window;
        window.show();
        const QWidgetList before = QApplication::topLevelWidgets();
        DialogScript script({});
        window.helpContentsAction->trigger();
        window.helpIndexAction->trigger();
        QCOMPARE(QApplication::topLevelWidgets(), before);
        QCOMPARE(script.seen, QStringList());
    }

    void aboutBox()
    {
        frmMain window;
        QString caption;
        QStringList lines;
        qsizetype buttons = 0;
        DialogScript script({[&](QWidget *dialog) {
            auto *box = qobject_cast<QMessageBox *>(dialog);
            caption = box->windowTitle();
            lines = box->text().split('\n');
            buttons = box->buttons().size();
            box->buttons().value(0)->click();
        }});
        window.helpAboutAction->trigger();
        QCOMPARE(caption, QStringLiteral("Mootrak tracker"));
        QCOMPARE(buttons, 1);
        QCOMPARE(script.parents.value(0), &window);
        QCOMPARE(lines.size(), 4);
    }

    void exitDeletesTemporaryFiles_data()
    {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("gone"); // listed, but already removed
        QTest::newRow("no temporary files") << QStringList() << QStringList();
        QTest::newRow("one file") << QStringList {"mtAbCdEf.html"} << QStringList();
        QTest::newRow("two files") << QStringList {"mt1.html", "mt2.html"} << QStringList();
        QTest::newRow("one already gone") << QStringList {"mt1.html"} << QStringList {"mt3.html"};
    }

    void exitDeletesTemporaryFiles()
    {
        QFETCH(QStringList, present);
        QFETCH(QStringList, gone);
        QTemporaryDir dir;
        QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
        frmMain window;
        window.show();
        QTest::ignoreMessage(QtDebugMsg, "Exit");
        for (const QString &name : present + gone) {
            const QString path = dir.filePath(name);
            QVERIFY(gone.contains(name) || QFile(path).open(QIODevice::WriteOnly));
            frmMainInspector(window).tempFiles()->append(path);
            QTest::ignoreMessage(QtDebugMsg, qPrintable("Del File: " + path));
        }
        window.fileExit();
        QVERIFY(!window.isVisible());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
    }
};

QTEST_MAIN(tst_FrmMain)
#include "tst_frmmain.moc"
