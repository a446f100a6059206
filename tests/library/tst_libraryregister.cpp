// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QListWidget>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>

#include "library/frmfolders.h"
#include "support/documents.h"
#include "support/records.h"
#include "support/windowtest.h"

// The register of a window whose meeting folder holds Alpha (problems A, B) in a.xml, Beta
// (problem C) in sub/b.xml and a broken file; Alpha is loaded and its subject edited. By due
// date the rows are A, C, B.
class tst_LibraryRegister : public WindowTest
{
    Q_OBJECT

    frmDecisions *decisions = nullptr;

private slots:
    // Accepts the folders dialog with the test's folder added.
    void addFolder(frmMain &target)
    {
        QTimer::singleShot(0, &target, [this] {
            auto *dialog = qobject_cast<frmFolders *>(QApplication::activeModalWidget());
            QVERIFY2(dialog, "the folders dialog is open");
            dialog->lstFolders->addItem(dir->path());
            dialog->accept();
        });
        target.decisionsFoldersAction->trigger();
    }

    void init()
    {
        WindowTest::init();
        QVERIFY(QDir(dir->path()).mkpath("sub"));
        QVERIFY(writeFile(path("a.xml"), written(*makeMeeting("Alpha", {"A", "B"}))));
        QVERIFY(writeFile(path("sub/b.xml"), written(*makeMeeting("Beta", {"C"}))));
        QVERIFY(writeFile(path("broken.xml"), "<meeting>"));
        state().openFile(path("a.xml"));
        state().meetings()->at(0)->subject = "Alpha edited";
        window->decisionsOpen();
        decisions = window->findChild<frmDecisions *>();
        addFolder(*window);
        QTRY_COMPARE(decisions->decisions->rowCount(), 3);
    }

    // The loaded file shows once, as loaded; the file column names each row's file.
    void listsFolderBesideLoaded()
    {
        QCOMPARE(column(*decisions, DecisionRegister::MeetingColumn),
                 (QStringList {"Alpha edited", "Beta", "Alpha edited"}));
        QCOMPARE(column(*decisions, DecisionRegister::FileColumn),
                 (QStringList {"a.xml", "b.xml", "a.xml"}));
        QCOMPARE(decisions->lvUnreadable->topLevelItemCount(), 1);
        QCOMPARE(decisions->lvUnreadable->topLevelItem(0)->text(0), path("broken.xml"));
    }

    // A row of a file not loaded opens the file into the tree, as Open with Add, and shows the
    // problem; marking it done marks the meeting as loaded, to be saved as any edit.
    void fileRowOpensTheFile_data()
    {
        QTest::addColumn<bool>("markDone");
        QTest::newRow("activated") << false;
        QTest::newRow("marked done") << true;
    }

    void fileRowOpensTheFile()
    {
        QFETCH(bool, markDone);
        const QModelIndex row = decisions->filter->index(1, 0); // C's
        if (markDone)
            decisions->filter->setData(row.siblingAtColumn(DecisionRegister::DoneColumn),
                                       Qt::Checked, Qt::CheckStateRole);
        else
            emit decisions->lvDecisions->activated(row);
        QCOMPARE(state().treeEntries(), (QStringList {"Alpha edited", "Beta"}));
        const Meeting &beta = *state().meetings()->at(1);
        QCOMPARE(window->lvProblems->currentItem()->text(0), "C");
        QCOMPARE(beta.problems->at(0)->decision->isDone(), markDone);
        QCOMPARE(beta.saved, !markDone);
        QCOMPARE(readFile(path("sub/b.xml")), written(*makeMeeting("Beta", {"C"})));
        QTRY_COMPARE(
            column(*decisions, DecisionRegister::FileColumn),
            (markDone ? QStringList {"a.xml", "a.xml"} : QStringList {"a.xml", "b.xml", "a.xml"}));
    }

    // Remembered, as main() asks, the folders come back in the next run's window.
    void foldersRemembered()
    {
        QStandardPaths::setTestModeEnabled(true);
        const auto forget = qScopeGuard([] {
            QSettings().remove("meetingFolders");
            QStandardPaths::setTestModeEnabled(false);
        });
        frmMain first;
        first.rememberMeetingFolders();
        addFolder(first);
        frmMain next;
        next.rememberMeetingFolders();
        next.decisionsOpen();
        QTRY_COMPARE(next.findChild<frmDecisions *>()->decisions->rowCount(), 3);
    }
};

QTEST_MAIN(tst_LibraryRegister)
#include "tst_libraryregister.moc"
