#ifndef STANDINS_H
#define STANDINS_H

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QStringList>

#include "support/documents.h"

// Stand-ins for the programs a notification starts, first on PATH: `kmail` keeps each call's
// arguments, NUL-terminated, in a file of its own under calls/, moved into place whole.
class StandIns
{
public:
    explicit StandIns(const QString &folder)
        : folder(folder)
    {
        QDir().mkpath(folder + "/bin");
        QDir().mkpath(folder + "/calls");
        install("kmail",
                "calls=\"$(dirname \"$0\")/../calls\"\n"
                "part=$(mktemp \"$calls/.part.XXXXXX\")\n"
                "for a in \"$@\"; do printf '%s\\0' \"$a\"; done > \"$part\"\n"
                "mv \"$part\" \"$calls/call${part##*.part}\"\n");
    }

    // A shell script under that name; "$here" is the stand-ins' folder.
    void install(const QString &program, const QByteArray &script) const
    {
        const QString path = folder + "/bin/" + program;
        writeFile(path, "#!/bin/sh\nhere=\"$(dirname \"$0\")/..\"\n" + script);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }

    // Puts the stand-ins first on PATH (or alone on it) until the guard goes.
    auto onPath(bool keepSystemPath = true) const
    {
        const QByteArray oldPath = qgetenv("PATH");
        const QByteArray bin = QFile::encodeName(folder + "/bin");
        qputenv("PATH", keepSystemPath ? bin + ':' + oldPath : bin);
        return qScopeGuard([oldPath] { qputenv("PATH", oldPath); });
    }

    // The arguments of every call of the mail client so far, in no particular order.
    QList<QStringList> calls() const
    {
        QList<QStringList> all;
        for (const QString &name : QDir(folder + "/calls").entryList({"call*"}, QDir::Files)) {
            QByteArray bytes = readFile(folder + "/calls/" + name);
            bytes.chop(1);
            QStringList arguments;
            for (const QByteArray &argument : bytes.split('\0'))
                arguments << QString::fromUtf8(argument);
            all << arguments;
        }
        return all;
    }

    const QString folder;
};

#endif // STANDINS_H
