#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>

#include <functional>

#include "support/dialogs.h"
#include "wizard/frmdescription.h"
#include "wizard/frmpeople.h"

static const char *const lineEdits[]
    = {"txtFN", "txtSN", "txtOccupation", "txtEmail", "txtPhone", "txtShort"};

// Runs `check` on the dialog named `name` or holding a widget so named; both live on the stack.
static void withDialog(const QString &name, const std::function<void(QDialog &)> &check)
{
    frmPeople people;
    frmDescription description;
    const bool isPeople = people.objectName() == name || people.findChild<QWidget *>(name);
    check(isPeople ? static_cast<QDialog &>(people) : description);
}

// What a row does to `target`, then what exec() returns and what `target` shows after it.
struct Row
{
    QString target, how, text, kept; // how: "typed", "pasted", or the slot handed `text` first
    Qt::Key key = Qt::Key(0); // pressed on the target; none: Return on the dialog, for its default
    int result = 1; // 2: the key left the dialog open
};
Q_DECLARE_METATYPE(Row)

static void add(const QByteArray &name, const Row &row)
{
    QTest::newRow(name.constData()) << row;
}

static void runRow()
{
    QFETCH(Row, row);
    auto *offered = new QMimeData; // the clipboard takes it; HTML a rich text edit would render
    offered->setText(row.text);
    offered->setHtml(row.text);
    QApplication::clipboard()->setMimeData(offered);
    withDialog(row.target, [&](QDialog &dialog) {
        QWidget *widget = dialog.findChild<QWidget *>(row.target);
        QVERIFY(widget);
        if (row.how != "typed" && row.how != "pasted") // a wrong slot leaves `kept` unmet
            QMetaObject::invokeMethod(&dialog, qPrintable(row.how), Q_ARG(QString, row.text));
        answerNextDialog([&](QWidget *) {
            widget->setFocus();
            if (row.how == "typed")
                QTest::keyClicks(widget, row.text);
            if (row.how == "pasted")
                QTest::keySequence(widget, QKeySequence::Paste);
            QTest::keyClick(row.key ? widget : &dialog, row.key ? row.key : Qt::Key_Return);
            if (dialog.isVisible()) // also ends a broken binding instead of hanging the test
                dialog.done(2);
        });
        QCOMPARE(dialog.exec(), row.result);
        const char *shown = widget->inherits("QTextEdit") ? "plainText" : "text";
        QCOMPARE(widget->property(shown).toString(), row.kept);
    });
}

class tst_Dialogs : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void widgets_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("children"); // kind:name, the default button marked with a *
        QTest::newRow("frmPeople") << "People"
                                   << "QLineEdit:txtFN QLineEdit:txtSN QLineEdit:txtOccupation "
                                      "QLineEdit:txtEmail QLineEdit:txtPhone QPushButton:btOk* "
                                      "QPushButton:btCancel";
        QTest::newRow("frmDescription") << "Problem description"
                                        << "QLineEdit:txtShort QTextEdit:txtFull "
                                           "QPushButton:btOKDescription* "
                                           "QPushButton:btCancelDescription";
    }

    void widgets()
    {
        QFETCH(QString, caption);
        QFETCH(QString, children);
        withDialog(QTest::currentDataTag(), [&](QDialog &dialog) {
            QCOMPARE(dialog.windowTitle(), caption);
            for (const QString &child : children.split(u' ')) {
                const QStringList parts = QString(child).remove(u'*').split(u':');
                const QWidget *w = dialog.findChild<QWidget *>(parts.at(1));
                QVERIFY2(w && parts.at(0) == w->metaObject()->className(), qPrintable(child));
                QCOMPARE(w->property("default").toBool(), child.endsWith(u'*')); // false for edits
            }
        });
    }

    void keys_data()
    {
        QTest::addColumn<Row>("row");
        for (const char *edit : lineEdits)
            add(QByteArray("Return in ") + edit, {edit, "typed", "ab", "ab", Qt::Key_Return, 1});
        add("Return in txtFull", {"txtFull", "typed", "ab", "ab\n", Qt::Key_Return, 2});
        add("Escape in people", {"txtPhone", "typed", "ab", "ab", Qt::Key_Escape, 0});
        add("Escape in description", {"txtFull", "typed", "ab", "ab", Qt::Key_Escape, 0});
        add("Space on btCancel", {"btCancel", "typed", "", "Cancel", Qt::Key_Space, 0});
        add("Space on btCancelDescription",
            {"btCancelDescription", "typed", "", "&Cancel", Qt::Key_Space, 0});
    }

    void keys() { runRow(); }

    void lengthLimits_data()
    {
        QTest::addColumn<Row>("row");
        const QString digits = QStringLiteral("1234567890").repeated(5); // shows where a cut fell
        add("26th phone character typed", {"txtPhone", "typed", digits.left(26), digits.left(25)});
        add("31st short character typed", {"txtShort", "typed", digits.left(31), digits.left(30)});
        add("editPhone cuts", {"txtPhone", "editPhone", digits.left(40), digits.left(25)});
        add("editShort cuts", {"txtShort", "editShort", digits.left(40), digits.left(30)});
        add("phone paste cut", {"txtPhone", "pasted", digits.left(40), digits.left(25)});
        add("short paste cut", {"txtShort", "pasted", digits.left(40), digits.left(30)});
    }

    void lengthLimits() { runRow(); }

    void plainText_data()
    {
        QTest::addColumn<Row>("row");
        const QString markup = QStringLiteral("<b>bold</b> & <i>");
        add("markup typed", {"txtFull", "typed", markup, markup});
        add("markup pasted", {"txtFull", "pasted", markup, markup});
        add("markup handed to editLong", {"txtFull", "editLong", markup, markup});
        for (const char *edit : lineEdits)
            add(QByteArray("blanks typed in ") + edit, {edit, "typed", "  a  b  ", "  a  b  "});
        add("blanks typed in txtFull", {"txtFull", "typed", "  a  b  ", "  a  b  "});
    }

    void plainText() { runRow(); }
};

QTEST_MAIN(tst_Dialogs)
#include "tst_dialogs.moc"
