// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PIXMAPLOADERS_H
#define PIXMAPLOADERS_H

#include <QPixmap>
#include <QString>

// Each form loads its icons by name from the default image source; an unknown name gives an
// empty pixmap and the form is built all the same.
QPixmap uic_load_pixmap_frmMain(const QString &name);
QPixmap uic_load_pixmap_frmFirst(const QString &name);
QPixmap uic_load_pixmap_frmPeople(const QString &name);
QPixmap uic_load_pixmap_frmDescription(const QString &name);

#endif // PIXMAPLOADERS_H
