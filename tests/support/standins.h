#ifndef STANDINS_H
#define STANDINS_H

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QStringList>

#include "support/documents.h"

// Stand-ins for the programs a notification starts, first on PATH: `kmail` keeps each call's
// arguments, NUL-terminated, in a file of its own under calls/, moved into place whole.
class StandIns
{
public:
    // First on PATH until they go.
    explicit StandIns(const QString &folder)
        : folder(folder)
        , oldPath(qgetenv("PATH"))
    {
        QDir().mkpath(folder + "/bin");
        installRecorder("kmail");
        qputenv("PATH", QFile::encodeName(folder + "/bin") + ':' + oldPath);
    }
    ~StandIns() { qputenv("PATH", oldPath); }
    StandIns(const StandIns &) = delete;
    StandIns &operator=(const StandIns &) = delete;

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
        writeFile(path, "#!/bin/sh\nhere=\"$(dirname \"$0\")/..\"\n" + script);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }

    // Leaves the system's folders off PATH: only the tools the stand-ins' scripts use are
    // reached, so no program of the machine is found.
    void alone() const
    {
        QDir().mkpath(folder + "/tools");
        for (const char *tool : {"basename", "dirname", "mktemp", "mv", "cat", "sleep"}) {
            const QString found = QStandardPaths::findExecutable(QString::fromLatin1(tool));
            QFile::link(found, folder + "/tools/" + QString::fromLatin1(tool));
        }
        qputenv("PATH", QFile::encodeName(folder + "/bin:" + folder + "/tools"));
    }

    // The arguments of every call of a recording program so far, in no particular order.
    QList<QStringList> calls(const QString &program = QStringLiteral("kmail")) const
    {
        QList<QStringList> all;
        const QString calls = folder + "/calls-" + program + '/';
        for (const QString &name : QDir(calls).entryList({"call*"}, QDir::Files)) {
            QByteArray bytes = readFile(calls + name);
            bytes.chop(1);
            QStringList arguments;
            for (const QByteArray &argument : bytes.split('\0'))
                arguments << QString::fromUtf8(argument);
            all << arguments;
        }
        return all;
    }

    const QString folder;

private:
    const QByteArray oldPath;
};

#endif // STANDINS_H
