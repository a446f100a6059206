// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDropEvent>
#include <QLoggingCategory>
#include <QMimeData>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QSplitter>
#include <QStandardPaths>
#include <QTextEdit>
#include <QUrl>

#include "desktop/meetingdrop.h"
#include "desktop/programstart.h"
#include "desktop/windowplacement.h"
#include "register/frmdecisions.h"
#include "support/dialogscript.h"
#include "support/documents.h"
#include "support/records.h"
#include "support/windowtest.h"

using namespace Answers;

class tst_Desktop : public WindowTest
{
    Q_OBJECT

    QString meetingFile(const QString &subject)
    {
        const QString file = path(subject + ".xml");
        writeFile(file, written(*makeMeeting(subject, {"Item"})));
        return file;
    }
    // Settings of this test only, forgotten when the guard goes.
    [[nodiscard]] static auto ownSettings()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings().clear();
        return qScopeGuard([] {
            QSettings().clear();
            QStandardPaths::setTestModeEnabled(false);
        });
    }

private slots:
    void fitted_data()
    {
        QTest::addColumn<QRect>("kept");
        QTest::addColumn<QRect>("placed");
        const QRect screen(0, 0, 1024, 768);
        QTest::newRow("fits") << QRect(100, 50, 700, 600) << QRect(100, 50, 700, 600);
        QTest::newRow("past the right and bottom edges")
            << QRect(1500, 900, 700, 600) << QRect(324, 168, 700, 600);
        QTest::newRow("above and left") << QRect(-300, -40, 700, 600) << QRect(0, 0, 700, 600);
        QTest::newRow("larger than the screen")
            << QRect(200, 100, 1920, 1200) << QRect(0, 0, 1024, 768);
    }

    // A place kept on a larger screen comes back whole on a smaller one.
    void fitted()
    {
        QFETCH(QRect, kept);
        QFETCH(QRect, placed);
        QCOMPARE(WindowPlacement::fitted(kept, QRect(0, 0, 1024, 768)), placed);
    }

    // The main window's place and division, and the register's place, come back in the next run.
    void placesRemembered()
    {
        const auto forget = ownSettings();
        ProgramStart::startWindow(*window, {}, path("journal"));
        window->move(40, 30);
        window->resize(700, 560);
        window->Splitter5->setSizes({150, 440});
        const QList<int> division = window->Splitter5->sizes();
        window->decisionsOpen();
        window->findChild<frmDecisions *>()->resize(400, 300);
        window->findChild<frmDecisions *>()->move(300, 200);
        ProgramStart::endWindow(*window);
        window.reset();

        window = std::make_unique<frmMain>();
        ProgramStart::startWindow(*window, {}, path("journal"));
        QCOMPARE(window->pos(), QPoint(40, 30));
        QCOMPARE(window->size(), QSize(700, 560));
        QCOMPARE(window->Splitter5->sizes(), division);
        window->decisionsOpen();
        QCOMPARE(window->findChild<frmDecisions *>()->pos(), QPoint(300, 200));
    }

    // The command line's files open in order; one that cannot be opened is told and skipped.
    void commandLineFiles()
    {
        const auto forget = ownSettings();
        const QString missing = path("missing.xml");
        DialogScript script({press(Qt::Key_Return)});
        ProgramStart::startWindow(*window, {meetingFile("A"), missing, meetingFile("B")},
                                  path("journal"));
        QCOMPARE(script.seen, QStringList({"Critical Error | Cannot open file " + missing}));
        QCOMPARE(state().each(&Meeting::subject), QStringList({"A", "B"}));
    }

    void traces_data()
    {
        QTest::addColumn<bool>("debug");
        QTest::newRow("silent by default") << false;
        QTest::newRow("on with --debug") << true;
    }

    void traces()
    {
        QFETCH(bool, debug);
        const auto restore = qScopeGuard([] { QLoggingCategory::setFilterRules(QString()); });
        ProgramStart::setTraces(debug);
        QCOMPARE(QLoggingCategory::defaultCategory()->isDebugEnabled(), debug);
    }

    // Two files dropped on an editable text box open in order; the box takes in no text.
    void dropOfTwoFiles()
    {
        new MeetingDrop(*window);
        window->addFile(meetingFile("Shown"));
        state().select(0);
        QMimeData data;
        data.setUrls(
            {QUrl::fromLocalFile(meetingFile("A")), QUrl::fromLocalFile(meetingFile("B"))});
        data.setText(path("A.xml") + '\n' + path("B.xml")); // as file managers also offer
        QWidget *target = window->txtNotes->viewport();
        const QPoint middle = target->rect().center();
        QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QVERIFY2(enter.isAccepted(), "the files are taken");
        QDropEvent drop(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        QTRY_COMPARE(state().each(&Meeting::subject), QStringList({"Shown", "A", "B"}));
        QCOMPARE(state().meetings()->at(0)->notes, "Shown notes");
    }

    // Without a display, as scripts and package tools run it.
    void versionWithoutDisplay()
    {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(name);
        program.setProcessEnvironment(environment);
        program.start(MOOTRAK_PROGRAM, {"--version"});
        QVERIFY(program.waitForFinished());
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(program.readAllStandardOutput(), "mootrak " MOOTRAK_VERSION "\n");
    }
};

QTEST_MAIN(tst_Desktop)
#include "tst_desktop.moc"
