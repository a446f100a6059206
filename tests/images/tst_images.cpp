// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QIcon>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

#include "app/frmmain.h"
#include "images/designermimesourcefactory_mootrak.h"
#include "images/imagecollection.h"
#include "images/mimesourcefactory.h"
#include "images/pixmaploaders.h"
#include "wizard/frmfirst.h"

// The alpha of each pixel, row after row.
static QList<int> alphas(const QImage &image)
{
    QList<int> values;
    for (int i = 0; i < image.width() * image.height(); ++i)
        values << qAlpha(image.pixel(i % image.width(), i / image.width()));
    return values;
}

class tst_Images : public QObject
{
    Q_OBJECT

private slots:
    // Each test starts from an empty cache, as the program does.
    void init()
    {
        qCleanupImages_mootrak();
        qInitImages_mootrak();
    }

    // A miss takes the factory out while it asks; one never added must not be left added.
    void unregisteredFactoryStaysUnregistered()
    {
        DesignerMimeSourceFactory_mootrak unregistered;
        QCOMPARE(unregistered.data(QStringLiteral("Print")), nullptr);
        QVERIFY2(!MimeSourceFactory::removeFactory(&unregistered), "left added after a miss");
    }

    void images_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("size");
        for (const char *name : {"filenew", "fileopen", "filesave", "print", "undo", "redo",
                                 "editcut", "editcopy", "editpaste", "searchfind"})
            QTest::newRow(name) << name << 22;
        QTest::newRow("kdmconfig.png") << "kdmconfig.png" << 16;
        QTest::newRow("whatsnext.png") << "whatsnext.png" << 16;
    }

    // Alpha is 0 or 255 in the table; a form loads the image as it is, and a transparent pixel
    // stays transparent in an icon.
    void images()
    {
        QFETCH(QString, name);
        QFETCH(int, size);
        const QImage &image = uic_findImage_mootrak(name);
        QCOMPARE(image.size(), QSize(size, size));
        const QList<int> table = alphas(image);
        QCOMPARE(table.count(0) + table.count(255), table.size());
        const qsizetype clear = table.indexOf(0);
        QVERIFY2(clear >= 0, "the image has no transparent pixel");
        const QPixmap loaded = uic_load_pixmap_frmMain(name);
        QCOMPARE(loaded.toImage().convertToFormat(QImage::Format_ARGB32),
                 image.convertToFormat(QImage::Format_ARGB32));
        QCOMPARE(alphas(QIcon(loaded).pixmap(size, size).toImage()).value(clear), 0);
    }

    // A name the collection lacks would leave an icon empty.
    void formsFindTheirIcons()
    {
        frmMain window;
        frmFirst wizard;
        QVERIFY2(!window.windowIcon().isNull(), "window");
        QVERIFY2(!window.lvResp->headerItem()->icon(0).isNull(), "person list");
        QVERIFY2(!wizard.lbPart->headerItem()->icon(0).isNull(), "wizard's participants");
        QVERIFY2(!wizard.lvProblems->headerItem()->icon(0).isNull(), "wizard's problems");
        for (const QAction *action : window.toolBar->actions())
            QVERIFY2(action->isSeparator() || !action->icon().isNull(),
                     qPrintable(action->objectName()));
    }
};

QTEST_MAIN(tst_Images)
#include "tst_images.moc"
