// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef EMBEDIMAGE_H
#define EMBEDIMAGE_H

#include <QRgb>

// One image of the compiled-in collection: width x height 32-bit 0xAARRGGBB words in native byte
// order, rows top to bottom, no padding, alpha 0 or 255.
struct EmbedImage
{
    int width;
    int height;
    int depth;
    const unsigned char *data;
    int numColors;
    const QRgb *colorTable;
    bool alpha;
    const char *name;
};

// The collection, generated at build time; it ends with an entry whose fields are all zero.
extern const EmbedImage embed_image_vec[];

#endif // EMBEDIMAGE_H
