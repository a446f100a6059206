#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>

#include "app/frmmain.h"
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

    void exitDeletesTemporaryFiles_data()
    {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("gone"); // listed, but already removed
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
        for (const QString &name : present + gone) {
            const QString path = dir.filePath(name);
            QVERIFY(gone.contains(name) || QFile(path).open(QIODevice::WriteOnly));
            frmMainInspector(window).tempFiles()->append(path);
        }
        window.fileExit();
        QVERIFY(!window.isVisible());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
    }
};

QTEST_MAIN(tst_FrmMain)
#include "tst_frmmain.moc"
