// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <sys/stat.h>

#include "document/meetingfile.h"
#include "library/decisionlist.h"
#include "library/meetingfolder.h"
#include "library/meetinglibrary.h"
#include "support/documents.h"
#include "support/records.h"

static const QDateTime now(QDate(2003, 3, 20), QTime(12, 0));

// A meeting file of problems A (due 2003-03-14, so overdue at `now`) and B, done.
static QByteArray meetingFile(const QString &subject)
{
    Meeting *meeting = makeMeeting(subject, {"A", "B"});
    meeting->problems->at(1)->decision->done = now;
    return written(*meeting);
}

class tst_Library : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }
    QStringList relative(const QStringList &paths) const
    {
        QStringList names;
        for (const QString &path : paths)
            names << QDir(dir.path()).relativeFilePath(path);
        return names;
    }

private slots:
    void init()
    {
        QLoggingCategory::defaultCategory()->setEnabled(QtDebugMsg, false);
        QVERIFY(dir.isValid());
        QVERIFY(QDir(dir.path()).mkpath("sub"));
        QVERIFY(writeFile(path("a.xml"), meetingFile("Alpha")));
        QVERIFY(writeFile(path("sub/b.xml"), meetingFile("Beta")));
        QVERIFY(writeFile(path(".a.xml.swp.xml"), "editor's copy"));
        QVERIFY(writeFile(path("notes.txt"), "not a meeting"));
        QVERIFY(QFile::link(dir.path(), path("sub/loop")));
    }

    void cleanup() { QVERIFY(dir.remove()); }

    // Subfolders are searched, links to folders are not followed, hidden files left out.
    void listing()
    {
        const MeetingFolder::Listing listing = MeetingFolder::list({dir.path()});
        QCOMPARE(relative(listing.files), (QStringList {"a.xml", "sub/b.xml"}));
        QCOMPARE(relative(listing.folders), (QStringList {".", "sub"}));
        QCOMPARE(listing.skipped.size(), 1);
        QCOMPARE(relative({listing.skipped.at(0).path}), QStringList {"sub/loop"});
    }

    void scanReasons_data()
    {
        QTest::addColumn<QByteArray>("contents"); // "fifo" and "huge" make such a file instead
        QTest::addColumn<bool>("meeting");
        QTest::addColumn<QString>("reason");
        QTest::newRow("meeting") << meetingFile("Alpha") << true << "";
        QTest::newRow("another kind of document") << QByteArray("<svg/>") << false << "";
        QTest::newRow("half written") << QByteArray("<meeting><header>") << false
                                      << "Premature end of document. (line 1, column 17)";
        QTest::newRow("fifo") << QByteArray("fifo") << false << "It is not a regular file.";
        QTest::newRow("huge") << QByteArray("huge") << false << MeetingFile::tooLargeMessage();
    }

    // The reasons are those Open gives; a FIFO is never opened, a huge file never read.
    void scanReasons()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, meeting);
        QFETCH(QString, reason);
        const QString file = path("c.xml");
        if (contents == "fifo")
            QCOMPARE(mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        else if (contents == "huge") {
            QFile huge(file);
            QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(MeetingFile::maxFileSize + 1));
        } else
            QVERIFY(writeFile(file, contents));
        const ScannedMeeting scanned = scanMeetingFile(file);
        QCOMPARE(scanned.isMeeting(), meeting);
        QCOMPARE(scanned.reason, reason);
    }

    // Added, changed, half written, renamed and removed files each show after the change.
    void libraryFollowsChanges()
    {
        MeetingLibrary library;
        const auto subjects = [&library] {
            QStringList found;
            for (const ScannedMeeting &file : library.files())
                found << (file.isMeeting() ? file.meeting->subject : file.reason.left(7));
            return found;
        };
        library.setFolders({dir.path()});
        QTRY_COMPARE(subjects(), (QStringList {"Alpha", "Beta"}));
        QCOMPARE(library.skipped().size(), 1);

        QVERIFY(writeFile(path("sub/c.xml"), meetingFile("Gamma")));
        QTRY_COMPARE(subjects(), (QStringList {"Alpha", "Beta", "Gamma"}));
        QVERIFY(writeFile(path("a.xml"), "<meeting about='Alp"));
        QTRY_COMPARE(subjects(), (QStringList {"Prematu", "Beta", "Gamma"}));
        QVERIFY(writeFile(path("a.xml"), meetingFile("Alpha again")));
        QTRY_COMPARE(subjects(), (QStringList {"Alpha again", "Beta", "Gamma"}));
        QVERIFY(QFile::rename(path("sub/c.xml"), path("d.xml")));
        QTRY_COMPARE(subjects(), (QStringList {"Alpha again", "Gamma", "Beta"})); // a, d, sub/b
        QVERIFY(QFile::remove(path("d.xml")));
        QTRY_COMPARE(subjects(), (QStringList {"Alpha again", "Beta"}));
    }

    void list_data()
    {
        QTest::addColumn<DecisionList::Show>("show");
        QTest::addColumn<QStringList>("states");
        QTest::newRow("open") << DecisionList::Show::Open << QStringList {"overdue", "overdue"};
        QTest::newRow("all") << DecisionList::Show::All
                             << QStringList {"overdue", "overdue", "done", "done"};
    }

    void list()
    {
        QFETCH(DecisionList::Show, show);
        QFETCH(QStringList, states);
        QString out, errors;
        QTextStream outStream(&out), errorStream(&errors);
        QCOMPARE(DecisionList::print({dir.path()}, show, now, outStream, errorStream), 0);
        QStringList found;
        for (const QString &line : out.split('\n', Qt::SkipEmptyParts))
            found << line.section('\t', 1, 1);
        QCOMPARE(found, states);
        QCOMPARE(errors, path("sub/loop") + ": A link to a folder is not followed.\n");
    }

    // A line is one decision, whatever its texts hold; a file not read is named with its reason.
    void listLineAndFailure()
    {
        Meeting *meeting = makeMeeting("Sub\tject", {"A"});
        meeting->problems->at(0)->decision->text = "\nFirst\tline\nsecond";
        meeting->problems->at(0)->decision->due = QDateTime();
        QVERIFY(writeFile(path("e.xml"), written(*meeting)));
        QVERIFY(writeFile(path("f.xml"), "<meeting"));
        QString out, errors;
        QTextStream outStream(&out), errorStream(&errors);
        QCOMPARE(DecisionList::print({path("e.xml"), path("f.xml")}, DecisionList::Show::All, now,
                                     outStream, errorStream),
                 2);
        QCOMPARE(out, "\topen\tSub ject\tA\tFirst line\tR0 Doe\t" + path("e.xml") + '\n');
        QVERIFY2(errors.startsWith(path("f.xml") + ": "), qPrintable(errors));
    }

    // The program lists and exports with no display at all, and starts no window.
    void programNeedsNoDisplay()
    {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(name);
        program.setProcessEnvironment(environment);
        program.start(MOOTRAK_PROGRAM, {"--export-due-dates", path("due.ics"), dir.path()});
        QVERIFY(program.waitForFinished());
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(readFile(path("due.ics")).count("BEGIN:VTODO"), 4);
        program.start(MOOTRAK_PROGRAM, {"--list-decisions", "--overdue", path("a.xml")});
        QVERIFY(program.waitForFinished());
        QCOMPARE(program.readAllStandardOutput().count('\n'), 1);
    }
};

QTEST_GUILESS_MAIN(tst_Library)
#include "tst_library.moc"
