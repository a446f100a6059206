#include <QAction>
#include <QIcon>
#include <QScopeGuard>
#include <QTest>
#include <QTreeWidget>

#include "app/frmmain.h"
#include "images/designermimesourcefactory_mootrak.h"
#include "images/imagecollection.h"
#include "images/mimesourcefactory.h"
#include "images/pixmaploaders.h"
#include "wizard/frmfirst.h"

using PixmapLoader = QPixmap (*)(const QString &);
Q_DECLARE_METATYPE(PixmapLoader)

namespace {

// Answers every name with one marker image and counts the requests.
class MarkerSource : public MimeSourceFactory
{
public:
    const QImage *data(const QString &) const override
    {
        ++requests;
        return &marker;
    }

    QImage marker {1, 1, QImage::Format_ARGB32};
    mutable int requests = 0;
};

QImage pixelsOf(const QIcon &icon, int size)
{
    return icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage tableImage(const QString &name)
{
    return uic_findImage_mootrak(name).convertToFormat(QImage::Format_ARGB32);
}

// The first fully transparent pixel, or (-1, -1).
QPoint transparentPixel(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) == 0)
                return {x, y};
        }
    }
    return {-1, -1};
}

int pixelsWithPartialAlpha(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            count += alpha != 0 && alpha != 255;
        }
    }
    return count;
}

} // namespace

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

    void cachedAfterTheFirstSearch()
    {
        const int searchesBefore = imageTableSearches();
        const QImage &first = uic_findImage_mootrak(QStringLiteral("print"));
        const QImage &second = uic_findImage_mootrak(QStringLiteral("print"));
        QCOMPARE(&second, &first);
        QCOMPARE(imageTableSearches() - searchesBefore, 1);
        QVERIFY(!first.isNull());
    }

    void namesMatchExactly_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("other case") << "Print";
        QTest::newRow("trailing space") << "print ";
        QTest::newRow("without extension") << "kdmconfig";
        QTest::newRow("extension in capitals") << "whatsnext.PNG";
        QTest::newRow("empty") << "";
    }

    void namesMatchExactly()
    {
        QFETCH(QString, name);
        QVERIFY(uic_findImage_mootrak(name).isNull());
        QVERIFY(uic_load_pixmap_frmMain(name).isNull());
    }

    void nullNameGoesToTheDefaultSourceUnsearched()
    {
        MarkerSource marker;
        MimeSourceFactory::addFactory(&marker);
        const auto removeMarker = qScopeGuard([&] { MimeSourceFactory::removeFactory(&marker); });
        const int searchesBefore = imageTableSearches();

        const QImage *answer = MimeSourceFactory::defaultFactory()->data(QString());

        QCOMPARE(answer, &marker.marker);
        QCOMPARE(marker.requests, 1);
        QCOMPARE(imageTableSearches(), searchesBefore);
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

    void images()
    {
        QFETCH(QString, name);
        QFETCH(int, size);
        const QImage &image = uic_findImage_mootrak(name);
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(pixelsWithPartialAlpha(image), 0);
    }

    void transparentPixelsStayTransparentInIcons_data() { images_data(); }

    void transparentPixelsStayTransparentInIcons()
    {
        QFETCH(QString, name);
        QFETCH(int, size);
        const QPoint clear = transparentPixel(uic_findImage_mootrak(name));
        QVERIFY2(clear.x() >= 0, "the icon has no transparent pixel");
        const QImage icon = pixelsOf(QIcon(uic_load_pixmap_frmMain(name)), size);
        QCOMPARE(qAlpha(icon.pixel(clear)), 0);
    }

    // The four forms load alike.
    void everyLoaderFindsTheCollection_data()
    {
        QTest::addColumn<PixmapLoader>("loader");
        QTest::newRow("frmMain") << &uic_load_pixmap_frmMain;
        QTest::newRow("frmFirst") << &uic_load_pixmap_frmFirst;
        QTest::newRow("frmPeople") << &uic_load_pixmap_frmPeople;
        QTest::newRow("frmDescription") << &uic_load_pixmap_frmDescription;
    }

    void everyLoaderFindsTheCollection()
    {
        QFETCH(PixmapLoader, loader);
        const QImage loaded = loader(QStringLiteral("undo")).toImage();
        QCOMPARE(loaded.convertToFormat(QImage::Format_ARGB32), tableImage("undo"));
    }

    // Each place shows the image it names, not merely some image.
    void mainWindowShowsItsIcons_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("image");
        QTest::newRow("new") << "fileNewAction"
                             << "filenew";
        QTest::newRow("open") << "fileOpenAction"
                              << "fileopen";
        QTest::newRow("save") << "fileSaveAction"
                              << "filesave";
        QTest::newRow("print") << "filePrintAction"
                               << "print";
        QTest::newRow("undo") << "editUndoAction"
                              << "undo";
        QTest::newRow("redo") << "editRedoAction"
                              << "redo";
        QTest::newRow("cut") << "editCutAction"
                             << "editcut";
        QTest::newRow("copy") << "editCopyAction"
                              << "editcopy";
        QTest::newRow("paste") << "editPasteAction"
                               << "editpaste";
        QTest::newRow("find") << "editFindAction"
                              << "searchfind";
    }

    void mainWindowShowsItsIcons()
    {
        QFETCH(QString, action);
        QFETCH(QString, image);
        frmMain window;
        const auto *shown = window.findChild<QAction *>(action);
        QVERIFY2(shown, qPrintable(action));
        QCOMPARE(pixelsOf(shown->icon(), 22), tableImage(image));
    }

    void windowAndHeaderIcons()
    {
        frmMain window;
        QCOMPARE(pixelsOf(window.windowIcon(), 16), tableImage("whatsnext.png"));
        QCOMPARE(pixelsOf(window.lvResp->headerItem()->icon(0), 16), tableImage("kdmconfig.png"));
    }

    void wizardHeaderIcons_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("image");
        QTest::newRow("participants") << "lbPart"
                                      << "kdmconfig.png";
        QTest::newRow("problems") << "lvProblems"
                                  << "whatsnext.png";
    }

    void wizardHeaderIcons()
    {
        QFETCH(QString, list);
        QFETCH(QString, image);
        frmFirst wizard;
        const auto *view = wizard.findChild<QTreeWidget *>(list);
        QVERIFY2(view, qPrintable(list));
        QCOMPARE(pixelsOf(view->headerItem()->icon(0), 16), tableImage(image));
    }
};

QTEST_MAIN(tst_Images)
#include "tst_images.moc"
