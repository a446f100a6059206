// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmmain.h"

#include <QSettings>

#include "desktop/windowplacement.h"
#include "register/frmdecisions.h"

static const QString registerKey = QStringLiteral("register");

void frmMain::rememberWindowPlaces()
{
    placesRemembered = true;
}

void frmMain::restoreRegisterPlace()
{
    if (!placesRemembered || !decisionsWindow)
        return;
    QSettings settings;
    WindowPlacement::restore(settings, registerKey, *decisionsWindow);
}

// The place the register was last shown at, also when it was closed before the program ended.
void frmMain::saveRegisterPlace()
{
    if (!placesRemembered || !decisionsWindow)
        return;
    QSettings settings;
    WindowPlacement::save(settings, registerKey, *decisionsWindow);
}
