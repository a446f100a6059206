#ifndef STANDINS_H
#define STANDINS_H

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QStringList>

#include "support/documents.h"

// What a notification meets while the stand-ins live: the folder of the shipped stylesheet as
// the current one, as the run command starts the program, and the stand-ins first on PATH, among
// them `kmail`, a recorder.
class StandIns
{
public:
    explicit StandIns(const QString &folder)
        : folder(folder)
        , oldPath(qgetenv("PATH"))
        , oldFolder(QDir::currentPath())
    {
        installRecorder("kmail");
        qputenv("PATH", QFile::encodeName(folder + "/bin") + ':' + oldPath);
        QDir::setCurrent(QStringLiteral(MOOTRAK_SHARE_DIR));
    }
    ~StandIns()
    {
        qputenv("PATH", oldPath);
        QDir::setCurrent(oldFolder);
    }

    // A program that keeps each call's arguments, NUL-terminated, in a file of its own under
    // calls-<program>/, moved into place whole.
    void installRecorder(const QString &program) const
    {
        QDir().mkpath(folder + "/calls-" + program);
        install(program,
                "calls=\"$here/calls-$(basename \"$0\")\"\n"
                "part=$(mktemp \"$calls/.part.XXXXXX\")\n"
                "for a in \"$@\"; do printf '%s\\0' \"$a\"; done > \"$part\"\n"
                "mv \"$part\" \"$calls/call${part##*.part}\"\n");
    }

    void remove(const QString &program) const { QFile::remove(folder + "/bin/" + program); }

    // A shell script under that name; "$here" is the stand-ins' folder.
    void install(const QString &program, const QByteArray &script) const
    {
        const QString path = folder + "/bin/" + program;
        QDir().mkpath(folder + "/bin");
        writeFile(path, "#!/bin/sh\nhere=\"$(dirname \"$0\")/..\"\n" + script);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }

    // Leaves the system's folders off PATH: only the tools the stand-ins' scripts use are
    // reached, so no program of the machine is found.
    void alone() const
    {
        QDir().mkpath(folder + "/tools");
        for (const char *tool : {"basename", "dirname", "mktemp", "mv", "cat", "sleep"})
            QFile::link(QStandardPaths::findExecutable(tool), folder + "/tools/" + tool);
        qputenv("PATH", QFile::encodeName(folder + "/bin:" + folder + "/tools"));
    }

    // The arguments of every call of a recording program so far, in no particular order.
    QList<QStringList> calls(const QString &program = QStringLiteral("kmail")) const
    {
        QList<QStringList> all;
        const QDir calls(folder + "/calls-" + program);
        for (const QString &name : calls.entryList({"call*"}, QDir::Files)) {
            all << QString::fromUtf8(readFile(calls.filePath(name))).split(QChar(0));
            all.last().removeLast(); // after the last NUL
        }
        return all;
    }

    const QString folder;

private:
    const QByteArray oldPath;
    const QString oldFolder;
};

#endif // STANDINS_H
