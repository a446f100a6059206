// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DESIGNERMIMESOURCEFACTORY_MOOTRAK_H
#define DESIGNERMIMESOURCEFACTORY_MOOTRAK_H

#include "images/mimesourcefactory.h"

// Answers the default image source with the compiled-in collection.
class DesignerMimeSourceFactory_mootrak : public MimeSourceFactory
{
public:
    const QImage *data(const QString &absName) const override;
};

#endif // DESIGNERMIMESOURCEFACTORY_MOOTRAK_H
