// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef IMAGECOLLECTION_H
#define IMAGECOLLECTION_H

#include <QImage>
#include <QString>

// The compiled-in image of that exact name, built once over the table's pixels and cached; an
// empty image when there is none. The reference stays valid until qCleanupImages_mootrak().
const QImage &uic_findImage_mootrak(const QString &name);

// Register the collection with the default image source, and take it out again. Both run by
// themselves around main(); calling them again is harmless.
void qInitImages_mootrak();
void qCleanupImages_mootrak();

#endif // IMAGECOLLECTION_H
