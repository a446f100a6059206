#include <QHeaderView>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>

#include "app/personlist.h"

class tst_PersonList : public QObject
{
    Q_OBJECT

    static bool showOlga(PersonList &list, int width)
    {
        list.addTopLevelItem(new QTreeWidgetItem(
            {"Petrova, Olga", "Quality assurance", "+7 495 555 03 30", "olga@example.org"}));
        list.resize(width, 150);
        list.show();
        return QTest::qWaitForWindowExposed(&list);
    }

private slots:
    void cleanup()
    {
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());
    }

    void cutTextShowsWholeInATip_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("tip"); // of the occupation; empty: none
        QTest::newRow("cut") << 200 << "Quality assurance";
        QTest::newRow("whole") << 900 << "";
    }

    // Only a cell too narrow for its text offers a tip, the text whole.
    void cutTextShowsWholeInATip()
    {
        QFETCH(int, width);
        QFETCH(QString, tip);
        PersonList list({"Name", "Occupation", "Phone", "E-mail"}, QPixmap(), nullptr);
        QVERIFY(showOlga(list, width));
        const QPoint cell = list.visualItemRect(list.topLevelItem(0)).topLeft()
            + QPoint(list.header()->sectionPosition(1) + 2, 2);
        QHelpEvent event(QEvent::ToolTip, cell, list.viewport()->mapToGlobal(cell));
        QApplication::sendEvent(list.viewport(), &event);
        QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), tip);
    }

    // Widths of the main window's list at its first size, maximised, and narrower than the titles.
    void columnsFitAndShareTheWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("contentsFit");
        QTest::newRow("first size") << 318 << false;
        QTest::newRow("maximised") << 900 << true;
        QTest::newRow("narrower than the titles") << 120 << false;
    }

    void columnsFitAndShareTheWidth()
    {
        QFETCH(int, width);
        QFETCH(bool, contentsFit);
        PersonList list({"Name", "Occupation", "Phone", "E-mail"}, QPixmap(), nullptr);
        QVERIFY(showOlga(list, width));

        QHeaderView *header = list.header();
        const QAbstractItemView &view = list; // where the contents' width is public
        int total = 0;
        for (int column = 0; column < list.columnCount(); ++column) {
            const int section = header->sectionSize(column);
            total += section;
            QVERIFY2(section >= header->sectionSizeHint(column), "a title is cut");
            QCOMPARE(section >= view.sizeHintForColumn(column), contentsFit);
        }
        const int viewport = list.viewport()->width();
        if (width >= 318) {
            QVERIFY2(total <= viewport, "the list scrolls sideways");
            QVERIFY2(total > viewport - list.columnCount(), "width is left unshared");
        }
    }
};

QTEST_MAIN(tst_PersonList)
#include "tst_personlist.moc"
