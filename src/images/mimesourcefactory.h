// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MIMESOURCEFACTORY_H
#define MIMESOURCEFACTORY_H

#include <QHash>
#include <QImage>
#include <QList>
#include <QString>

// A process-wide source of images by name. The default factory answers from the images stored in
// it first, then asks every factory added to it, in the order they were added.
class MimeSourceFactory
{
public:
    MimeSourceFactory() = default;
    virtual ~MimeSourceFactory() = default;
    MimeSourceFactory(const MimeSourceFactory &) = delete;
    MimeSourceFactory &operator=(const MimeSourceFactory &) = delete;

    // The image known under the name, or null when there is none. The pointer is good until the
    // next image is stored.
    virtual const QImage *data(const QString &absName) const;

    void setImage(const QString &absName, const QImage &image);

    static MimeSourceFactory *defaultFactory();
    static void addFactory(const MimeSourceFactory *factory);
    // True when the factory had been added.
    static bool removeFactory(const MimeSourceFactory *factory);

private:
    QHash<QString, QImage> stored;
    QList<const MimeSourceFactory *> added;
};

#endif // MIMESOURCEFACTORY_H
