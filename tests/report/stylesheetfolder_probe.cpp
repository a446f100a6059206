// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QTextStream>

#include "report/stylesheetfolder.h"

// Prints the folder a notification runs xsltproc in, as this program finds it.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream(stdout) << stylesheetFolder();
    return 0;
}
