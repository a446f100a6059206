#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>

#include "support/dialogs.h"
#include "wizard/frmdescription.h"
#include "wizard/frmpeople.h"

// What a row does to `target`, then what exec() returns and what `target` shows after it.
struct Row
{
    QString target, how, text, kept; // how: "typed", "pasted", or the slot handed `text` first
    Qt::Key key = Qt::Key(0); // pressed on the target; none: Return on the dialog, for its default
    int result = 1; // 2: the key left the dialog open
};
Q_DECLARE_METATYPE(Row)

class tst_Dialogs : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    // A dialog's caption, then its widgets as kind:name, the default button marked with a *.
    void widgets()
    {
        const auto check = [](const QDialog &dialog, const QString &shown) {
            QStringList seen {dialog.windowTitle()};
            for (QString name : shown.split('|').mid(1)) {
                const QWidget *w = dialog.findChild<QWidget *>(name.remove('*').section(':', 1));
                seen << (w ? w->metaObject()->className() : "none") + name.mid(name.indexOf(':'))
                        + (w && w->property("default").toBool() ? "*" : "");
            }
            QCOMPARE(seen.join('|'), shown);
        };
        check(frmPeople(),
              "People|QLineEdit:txtFN|QLineEdit:txtSN|QLineEdit:txtOccupation|"
              "QLineEdit:txtEmail|QLineEdit:txtPhone|QPushButton:btOk*|QPushButton:btCancel");
        check(frmDescription(),
              "Problem description|QLineEdit:txtShort|QTextEdit:txtFull|"
              "QPushButton:btOKDescription*|QPushButton:btCancelDescription");
    }

    void input_data()
    {
        QTest::addColumn<Row>("row");
        const QString digits = QStringLiteral("1234567890").repeated(5); // shows where a cut fell
        const QString markup = QStringLiteral("<b>bold</b> & <i>");
        for (auto edit : {"txtFN", "txtSN", "txtOccupation", "txtEmail", "txtPhone", "txtShort"}) {
            add(QByteArray("Return in ") + edit, {edit, "typed", "ab", "ab", Qt::Key_Return});
            add(QByteArray("blanks typed in ") + edit, {edit, "typed", "  a  b  ", "  a  b  "});
        }
        add("Return in txtFull", {"txtFull", "typed", "ab", "ab\n", Qt::Key_Return, 2});
        add("blanks typed in txtFull", {"txtFull", "typed", "  a  b  ", "  a  b  "});
        add("Escape in people", {"txtPhone", "typed", "ab", "ab", Qt::Key_Escape, 0});
        add("Escape in description", {"txtFull", "typed", "ab", "ab", Qt::Key_Escape, 0});
        add("Space on btCancel", {"btCancel", "typed", "", "Cancel", Qt::Key_Space, 0});
        add("Space on btCancelDescription",
            {"btCancelDescription", "typed", "", "&Cancel", Qt::Key_Space, 0});
        add("26th phone character typed", {"txtPhone", "typed", digits.left(26), digits.left(25)});
        add("31st short character typed", {"txtShort", "typed", digits.left(31), digits.left(30)});
        add("editPhone cuts", {"txtPhone", "editPhone", digits.left(40), digits.left(25)});
        add("editShort cuts", {"txtShort", "editShort", digits.left(40), digits.left(30)});
        add("phone paste cut", {"txtPhone", "pasted", digits.left(40), digits.left(25)});
        add("short paste cut", {"txtShort", "pasted", digits.left(40), digits.left(30)});
        add("markup typed", {"txtFull", "typed", markup, markup});
        add("markup pasted", {"txtFull", "pasted", markup, markup});
        add("markup handed to editLong", {"txtFull", "editLong", markup, markup});
    }

    void input()
    {
        QFETCH(Row, row);
        auto *offered = new QMimeData; // the clipboard takes it; HTML a rich text edit would render
        offered->setText(row.text);
        offered->setHtml(row.text);
        QApplication::clipboard()->setMimeData(offered);
        frmPeople people;
        frmDescription description;
        QDialog &dialog = people.findChild<QWidget *>(row.target) ? static_cast<QDialog &>(people)
                                                                  : description;
        QWidget *widget = dialog.findChild<QWidget *>(row.target);
        QVERIFY(widget);
        if (row.how != "typed" && row.how != "pasted") // a wrong slot leaves `kept` unmet
            QMetaObject::invokeMethod(&dialog, qPrintable(row.how), Q_ARG(QString, row.text));
        answerNextDialog([&](QWidget *) {
            widget->setFocus();
            QTest::keyClicks(widget, row.how == "typed" ? row.text : QString());
            if (row.how == "pasted")
                QTest::keySequence(widget, QKeySequence::Paste);
            QTest::keyClick(row.key ? widget : &dialog, row.key ? row.key : Qt::Key_Return);
            if (dialog.isVisible()) // also ends a broken binding instead of hanging the test
                dialog.done(2);
        });
        QCOMPARE(dialog.exec(), row.result);
        const char *shown = widget->inherits("QTextEdit") ? "plainText" : "text";
        QCOMPARE(widget->property(shown).toString(), row.kept);
    }

private:
    static void add(const QByteArray &tag, const Row &row) { QTest::newRow(tag) << row; }
};

QTEST_MAIN(tst_Dialogs)
#include "tst_dialogs.moc"
