// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/meetinglibrary.h"

#include <QFileInfo>
#include <QSet>
#include <QtConcurrent>

namespace {
constexpr int settleTime = 300; // ms
}

MeetingLibrary::MeetingLibrary(QObject *parent)
    : QObject(parent)
{
    settle.setSingleShot(true);
    settle.setInterval(settleTime);
    connect(&settle, &QTimer::timeout, this, &MeetingLibrary::scan);
    connect(&watcher, &QFileSystemWatcher::directoryChanged, this, &MeetingLibrary::scheduleScan);
    connect(&watcher, &QFileSystemWatcher::fileChanged, this, &MeetingLibrary::scheduleScan);
    connect(&planning, &QFutureWatcher<Plan>::finished, this, &MeetingLibrary::planned);
    connect(&reading, &QFutureWatcher<ScannedMeeting>::progressValueChanged, this,
            [this](int done) { emit progress(done, reading.progressMaximum()); });
    connect(&reading, &QFutureWatcher<ScannedMeeting>::finished, this, &MeetingLibrary::read);
}

MeetingLibrary::~MeetingLibrary()
{
    planning.cancel();
    reading.cancel();
    planning.waitForFinished();
    reading.waitForFinished();
}

void MeetingLibrary::setFolders(const QStringList &folders)
{
    watchedFolders = folders;
    if (!watcher.files().isEmpty())
        watcher.removePaths(watcher.files());
    if (!watcher.directories().isEmpty())
        watcher.removePaths(watcher.directories());
    scan();
}

void MeetingLibrary::scheduleScan()
{
    settle.start();
}

MeetingLibrary::Plan MeetingLibrary::plan(const QStringList &folders, const Signatures &known)
{
    Plan plan {MeetingFolder::list(folders), {}};
    for (const QString &path : std::as_const(plan.listing.files)) {
        const QFileInfo info(path);
        if (known.value(path) != std::pair(info.lastModified(), info.size()))
            plan.changed.append(path);
    }
    return plan;
}

// Listing and the checks of what changed run on a worker thread too: a folder on a network share
// can take its time to answer.
void MeetingLibrary::scan()
{
    if (scanning) {
        scanAgain = true;
        return;
    }
    scanning = true;
    Signatures signatures;
    for (const ScannedMeeting &file : std::as_const(known))
        signatures.insert(file.path, {file.modified, file.size});
    planning.setFuture(QtConcurrent::run(&MeetingLibrary::plan, watchedFolders, signatures));
}

void MeetingLibrary::planned()
{
    if (planning.isCanceled())
        return;
    const Plan plan = planning.result();
    listing = plan.listing;
    const QSet<QString> present(listing.files.cbegin(), listing.files.cend());
    for (auto it = known.begin(); it != known.end();)
        it = present.contains(it.key()) ? std::next(it) : known.erase(it);
    if (plan.changed.isEmpty())
        return finishScan();
    emit progress(0, int(plan.changed.size()));
    reading.setFuture(QtConcurrent::mapped(plan.changed, scanMeetingFile));
}

void MeetingLibrary::read()
{
    if (reading.isCanceled())
        return;
    for (const ScannedMeeting &file : reading.future().results())
        known.insert(file.path, file);
    finishScan();
}

void MeetingLibrary::finishScan()
{
    scanning = false;
    watch();
    emit changed();
    emit scanFinished();
    if (scanAgain) {
        scanAgain = false;
        scan();
    }
}

// A save by rename replaces the file watched, so the files are watched anew after every scan.
void MeetingLibrary::watch()
{
    QStringList paths = listing.folders + listing.files;
    const QStringList watchedList = watcher.files() + watcher.directories();
    const QSet<QString> watched(watchedList.cbegin(), watchedList.cend());
    paths.removeIf([&watched](const QString &path) { return watched.contains(path); });
    if (!paths.isEmpty())
        watcher.addPaths(paths);
}
