// SPDX-License-Identifier: GPL-3.0-or-later
#include "images/imagecollection.h"

#include "images/designermimesourcefactory_mootrak.h"
#include "images/embedimage.h"
#include "images/pixmaploaders.h"

#include <QHash>

#include <memory>

namespace {

// Pointers, so that a reference handed out stays valid while the cache grows.
using ImageCache = QHash<QString, std::shared_ptr<const QImage>>;

ImageCache *mootrakimage_dict = nullptr;
DesignerMimeSourceFactory_mootrak *factory = nullptr;

const QImage &emptyImage()
{
    static const QImage empty;
    return empty;
}

const EmbedImage *findEntry(const QString &name)
{
    for (const EmbedImage *entry = embed_image_vec; entry->data; ++entry) {
        if (QString::fromUtf8(entry->name) == name)
            return entry;
    }
    return nullptr;
}

// The image shares the table's static pixels: nothing is copied.
QImage imageOver(const EmbedImage &entry)
{
    return QImage(entry.data, entry.width, entry.height,
                  entry.alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

} // namespace

const QImage &uic_findImage_mootrak(const QString &name)
{
    if (!mootrakimage_dict) {
        mootrakimage_dict = new ImageCache;
        mootrakimage_dict->reserve(17);
    }
    const auto cached = mootrakimage_dict->constFind(name);
    if (cached != mootrakimage_dict->constEnd())
        return **cached;
    const EmbedImage *entry = findEntry(name);
    if (!entry)
        return emptyImage();
    auto image = std::make_shared<const QImage>(imageOver(*entry));
    mootrakimage_dict->insert(name, image);
    return *image;
}

const QImage *DesignerMimeSourceFactory_mootrak::data(const QString &absName) const
{
    const QImage &image = absName.isNull() ? emptyImage() : uic_findImage_mootrak(absName);
    MimeSourceFactory *defaultFactory = MimeSourceFactory::defaultFactory();
    if (!image.isNull()) {
        defaultFactory->setImage(absName, image);
        return defaultFactory->data(absName);
    }
    // Out of the way while asking, so the default source does not come back here for the name;
    // put back only if it was there, so an instance never registered is never left behind.
    const bool wasAdded = MimeSourceFactory::removeFactory(this);
    const QImage *answer = defaultFactory->data(absName);
    if (wasAdded)
        MimeSourceFactory::addFactory(this);
    return answer;
}

void qInitImages_mootrak()
{
    if (factory)
        return;
    factory = new DesignerMimeSourceFactory_mootrak;
    MimeSourceFactory::addFactory(factory);
}

void qCleanupImages_mootrak()
{
    delete mootrakimage_dict;
    mootrakimage_dict = nullptr;
    if (!factory)
        return;
    MimeSourceFactory::removeFactory(factory);
    delete factory;
    factory = nullptr;
}

namespace {

// Registers the collection before main() runs and takes it out after main() returns.
struct StaticInitImages_mootrak
{
    StaticInitImages_mootrak() { qInitImages_mootrak(); }
    ~StaticInitImages_mootrak() { qCleanupImages_mootrak(); }
    StaticInitImages_mootrak(const StaticInitImages_mootrak &) = delete;
    StaticInitImages_mootrak &operator=(const StaticInitImages_mootrak &) = delete;
};

const StaticInitImages_mootrak staticImages;

QPixmap loadPixmap(const QString &name)
{
    const QImage *image = MimeSourceFactory::defaultFactory()->data(name);
    if (!image)
        return QPixmap();
    return QPixmap::fromImage(*image);
}

} // namespace

// The loaders live beside the registration: a program that links any of them from the static
// library links the registration too.
QPixmap uic_load_pixmap_frmMain(const QString &name)
{
    return loadPixmap(name);
}

QPixmap uic_load_pixmap_frmFirst(const QString &name)
{
    return loadPixmap(name);
}

QPixmap uic_load_pixmap_frmPeople(const QString &name)
{
    return loadPixmap(name);
}

QPixmap uic_load_pixmap_frmDescription(const QString &name)
{
    return loadPixmap(name);
}
