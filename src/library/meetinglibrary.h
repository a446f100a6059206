// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MEETINGLIBRARY_H
#define MEETINGLIBRARY_H

#include <QFileSystemWatcher>
#include <QFutureWatcher>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include "library/meetingfolder.h"
#include "library/scannedmeeting.h"

// The meeting files under some folders, read on worker threads and kept current: a file added,
// changed, renamed or removed is read again (only that one) shortly after the change. A file
// caught half-written is unreadable until its next change.
class MeetingLibrary : public QObject
{
    Q_OBJECT

public:
    explicit MeetingLibrary(QObject *parent = nullptr);
    ~MeetingLibrary() override; // waits for the reads under way, which are short

    void setFolders(const QStringList &folders);
    QStringList folders() const { return watchedFolders; }

    // Every file found, in path order, as last read.
    QList<ScannedMeeting> files() const { return known.values(); }
    // Folders and links passed over.
    QList<MeetingFolder::Skipped> skipped() const { return listing.skipped; }
    bool isScanning() const { return scanning; }

signals:
    void changed(); // files() or skipped() changed
    void progress(int done, int total);
    void scanFinished();

private:
    // A listing of the folders, and the files in it that are new or changed since last read.
    struct Plan
    {
        MeetingFolder::Listing listing;
        QStringList changed;
    };
    using Signatures = QHash<QString, std::pair<QDateTime, qint64>>;
    static Plan plan(const QStringList &folders, const Signatures &known);

    void scheduleScan();
    void scan();
    void planned();
    void read();
    void finishScan();
    void watch();

    QStringList watchedFolders;
    MeetingFolder::Listing listing;
    QMap<QString, ScannedMeeting> known;
    QFileSystemWatcher watcher;
    QTimer settle; // gathers the burst of changes a save makes
    QFutureWatcher<Plan> planning;
    QFutureWatcher<ScannedMeeting> reading;
    bool scanning = false;
    bool scanAgain = false; // a change came in during the scan
};

#endif // MEETINGLIBRARY_H
