#include <QDir>
#include <QPushButton>
#include <QTextEdit>

#include "support/windowtest.h"

class tst_FrmMain : public WindowTest
{
    Q_OBJECT

private slots:
    // Until a meeting is shown there is nothing to edit, and no person can be added.
    void startsWithNothingToEdit_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::newRow("decision") << "txtDecision";
        QTest::newRow("notes") << "txtNotes";
    }

    void startsWithNothingToEdit()
    {
        QFETCH(QString, edit);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        auto *text = window->findChild<QTextEdit *>(edit);
        QTest::keyClicks(text, "typed");
        QCOMPARE(text->toPlainText(), QString());
        QVERIFY2(!window->btAddResp->isEnabled(), "a person added now would have nowhere to go");
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
        for (const QString &name : present + gone) {
            QVERIFY(gone.contains(name) || QFile(path(name)).open(QIODevice::WriteOnly));
            state().tempFiles()->append(path(name));
        }
        window->fileExit();
        QVERIFY(!window->isVisible());
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList());
    }
};

QTEST_MAIN(tst_FrmMain)
#include "tst_frmmain.moc"
