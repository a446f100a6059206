// SPDX-License-Identifier: GPL-3.0-or-later
#include "images/mimesourcefactory.h"

const QImage *MimeSourceFactory::data(const QString &absName) const
{
    const auto found = stored.constFind(absName);
    if (found != stored.constEnd())
        return &found.value();
    // A copy: a factory may take itself out and put itself back while it answers.
    const QList<const MimeSourceFactory *> factories = added;
    for (const MimeSourceFactory *factory : factories) {
        if (const QImage *image = factory->data(absName))
            return image;
    }
    return nullptr;
}

void MimeSourceFactory::setImage(const QString &absName, const QImage &image)
{
    stored.insert(absName, image);
}

MimeSourceFactory *MimeSourceFactory::defaultFactory()
{
    static MimeSourceFactory factory;
    return &factory;
}

void MimeSourceFactory::addFactory(const MimeSourceFactory *factory)
{
    defaultFactory()->added.append(factory);
}

bool MimeSourceFactory::removeFactory(const MimeSourceFactory *factory)
{
    return defaultFactory()->added.removeAll(factory) > 0;
}
