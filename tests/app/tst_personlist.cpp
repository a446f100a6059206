// SPDX-License-Identifier: GPL-3.0-or-later
#include <QHeaderView>
#include <QTest>
#include <QToolTip>

#include "app/personlist.h"

class tst_PersonList : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());
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
        list.addTopLevelItem(new QTreeWidgetItem(
            {"Petrova, Olga", "Quality assurance", "+7 495 555 03 30", "olga@example.org"}));
        list.resize(width, 150);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));

        QHeaderView *header = list.header();
        const QAbstractItemView &view = list; // where the contents' width is public
        for (int column = 0; column < list.columnCount(); ++column) {
            const int section = header->sectionSize(column);
            QVERIFY2(section >= header->sectionSizeHint(column), "a title is cut");
            QCOMPARE(section >= view.sizeHintForColumn(column), contentsFit);
        }
        // Only a cut text offers a tip, the text whole.
        const QPoint cell(header->sectionViewportPosition(1) + 2, 2);
        QHelpEvent event(QEvent::ToolTip, cell, list.viewport()->mapToGlobal(cell));
        QApplication::sendEvent(list.viewport(), &event);
        QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(),
                 contentsFit ? QString() : QString("Quality assurance"));
        const int viewport = list.viewport()->width();
        if (width >= 318) {
            QVERIFY2(header->length() <= viewport, "the list scrolls sideways");
            QVERIFY2(header->length() > viewport - list.columnCount(), "width is left unshared");
        }
    }
};

QTEST_MAIN(tst_PersonList)
#include "tst_personlist.moc"
