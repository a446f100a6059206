#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>

#include "support/dialogscript.h"
#include "wizard/frmdescription.h"
#include "wizard/frmpeople.h"

enum class Input { Typed, Pasted, Handed }; // Handed: given to the dialog's setter first
Q_DECLARE_METATYPE(Input)

class tst_Dialogs : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void input_data();
    void input();
};

void tst_Dialogs::input_data()
{
    QTest::addColumn<QString>("target"); // a widget of either dialog
    QTest::addColumn<Input>("input");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Qt::Key>("key"); // pressed on the target; 0: Return on the dialog
    QTest::addColumn<int>("result"); // of exec(); 2: the key left the dialog open
    QTest::addColumn<QString>("kept"); // what the target holds afterwards

    const auto row = [](const QByteArray &name, const char *target, Input input,
                        const QString &text, Qt::Key key, int result, const QString &kept) {
        QTest::newRow(name) << QString(target) << input << text << key << result << kept;
    };
    const Qt::Key none = Qt::Key(0);
    for (const char *edit :
         {"txtFN", "txtSN", "txtOccupation", "txtEmail", "txtPhone", "txtShort"}) {
        row(QByteArray("Return in ") + edit, edit, Input::Typed, "ab", Qt::Key_Return, 1, "ab");
        row(QByteArray("blanks kept in ") + edit, edit, Input::Typed, "  a  b  ", none, 1,
            "  a  b  ");
    }
    row("Return in txtFull is a line break", "txtFull", Input::Typed, "ab", Qt::Key_Return, 2,
        "ab\n");
    row("blanks kept in txtFull", "txtFull", Input::Typed, "  a  b  ", none, 1, "  a  b  ");
    row("Escape in people", "txtPhone", Input::Typed, "ab", Qt::Key_Escape, 0, "ab");
    row("Escape in description", "txtFull", Input::Typed, "ab", Qt::Key_Escape, 0, "ab");
    row("Space on btCancel", "btCancel", Input::Typed, "", Qt::Key_Space, 0, "Cancel");
    row("Space on btCancelDescription", "btCancelDescription", Input::Typed, "", Qt::Key_Space, 0,
        "&Cancel");

    const QString digits = QStringLiteral("1234567890").repeated(5); // shows where a cut fell
    row("26th phone character typed", "txtPhone", Input::Typed, digits.left(26), none, 1,
        digits.left(25));
    row("31st short character typed", "txtShort", Input::Typed, digits.left(31), none, 1,
        digits.left(30));
    row("editPhone cuts", "txtPhone", Input::Handed, digits.left(40), none, 1, digits.left(25));
    row("editShort cuts", "txtShort", Input::Handed, digits.left(40), none, 1, digits.left(30));
    row("phone paste cut", "txtPhone", Input::Pasted, digits.left(40), none, 1, digits.left(25));
    row("short paste cut", "txtShort", Input::Pasted, digits.left(40), none, 1, digits.left(30));

    const QString markup = QStringLiteral("<b>bold</b> & <i>");
    row("markup typed", "txtFull", Input::Typed, markup, none, 1, markup);
    row("markup pasted", "txtFull", Input::Pasted, markup, none, 1, markup);
    row("markup handed to editLong", "txtFull", Input::Handed, markup, none, 1, markup);
}

// Enter takes the default button, Escape cancels; the limits hold however text arrives, and the
// full description stays plain text.
void tst_Dialogs::input()
{
    QFETCH(QString, target);
    QFETCH(Input, input);
    QFETCH(QString, text);
    QFETCH(Qt::Key, key);
    QFETCH(int, result);
    QFETCH(QString, kept);

    auto *offered = new QMimeData; // the clipboard takes it; HTML a rich text edit would render
    offered->setText(text);
    offered->setHtml(text);
    QApplication::clipboard()->setMimeData(offered);
    frmPeople people;
    frmDescription description;
    QWidget *widget = people.findChild<QWidget *>(target);
    QDialog *dialog = &people;
    if (!widget) {
        widget = description.findChild<QWidget *>(target);
        dialog = &description;
    }
    QVERIFY(widget);
    if (target == "txtPhone" && input == Input::Handed)
        people.editPhone(text);
    if (target == "txtShort" && input == Input::Handed)
        description.editShort(text);
    if (target == "txtFull" && input == Input::Handed)
        description.editLong(text);

    DialogScript script({[&](QWidget *) {
        widget->setFocus();
        if (input == Input::Typed)
            QTest::keyClicks(widget, text);
        if (input == Input::Pasted)
            QTest::keySequence(widget, QKeySequence::Paste);
        QTest::keyClick(key ? widget : dialog, key ? key : Qt::Key_Return);
        if (dialog->isVisible()) // also ends a broken binding instead of hanging the test
            dialog->done(2);
    }});
    QCOMPARE(dialog->exec(), result);
    const char *shown = widget->inherits("QTextEdit") ? "plainText" : "text";
    QCOMPARE(widget->property(shown).toString(), kept);
}

QTEST_MAIN(tst_Dialogs)
#include "tst_dialogs.moc"
