#include "images/pixmaploaders.h"

#include "images/mimesourcefactory.h"

static QPixmap loadPixmap(const QString &name)
{
    const QImage *image = MimeSourceFactory::defaultFactory()->data(name);
    if (!image)
        return QPixmap();
    return QPixmap::fromImage(*image);
}

QPixmap uic_load_pixmap_frmMain(const QString &name)
{
    return loadPixmap(name);
}

QPixmap uic_load_pixmap_frmFirst(const QString &name)
{
    return loadPixmap(name);
}
