// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/windowplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QWidget>

#include <algorithm>

namespace WindowPlacement {

static QString geometryKey(const QString &key)
{
    return key + QStringLiteral("/geometry");
}

static QString splitterKey(const QString &key)
{
    return key + QStringLiteral("/splitter");
}

QRect fitted(const QRect &geometry, const QRect &available)
{
    QRect placed(geometry.topLeft(), geometry.size().boundedTo(available.size()));
    placed.moveLeft(
        std::clamp(placed.left(), available.left(), available.right() - placed.width() + 1));
    placed.moveTop(
        std::clamp(placed.top(), available.top(), available.bottom() - placed.height() + 1));
    return placed;
}

// The screen under the kept place's centre, or the primary one when no screen is there now.
static QRect availableAround(const QRect &geometry)
{
    const QScreen *screen = QGuiApplication::screenAt(geometry.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : geometry;
}

void restore(QSettings &settings, const QString &key, QWidget &window, QSplitter *splitter)
{
    const QRect kept = settings.value(geometryKey(key)).toRect();
    if (kept.isValid()) {
        const QRect placed = fitted(kept, availableAround(kept));
        window.resize(placed.size());
        window.move(placed.topLeft());
    }
    if (splitter)
        splitter->restoreState(settings.value(splitterKey(key)).toByteArray());
}

void save(QSettings &settings, const QString &key, const QWidget &window, const QSplitter *splitter)
{
    // The frame's place and the inside's size: what move() and resize() take back.
    settings.setValue(geometryKey(key), QRect(window.pos(), window.size()));
    if (splitter)
        settings.setValue(splitterKey(key), splitter->saveState());
}

} // namespace WindowPlacement
