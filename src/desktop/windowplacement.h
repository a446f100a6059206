// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef WINDOWPLACEMENT_H
#define WINDOWPLACEMENT_H

#include <QRect>
#include <QString>

class QSettings;
class QSplitter;
class QWidget;

// Where a window was left, kept between runs: its frame's place and size, and a splitter's
// division. A place kept on a larger screen, or on one no longer there, is brought back onto the
// screen the window opens on.
namespace WindowPlacement {

// The geometry moved, and shrunk where it must be, to lie wholly within `available`.
QRect fitted(const QRect &geometry, const QRect &available);

// Nothing kept under the key leaves the window as its maker made it.
void restore(QSettings &settings, const QString &key, QWidget &window,
             QSplitter *splitter = nullptr);
void save(QSettings &settings, const QString &key, const QWidget &window,
          const QSplitter *splitter = nullptr);

} // namespace WindowPlacement

#endif // WINDOWPLACEMENT_H
