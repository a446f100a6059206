#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>

#include "support/dialogscript.h"
#include "wizard/frmdescription.h"
#include "wizard/frmpeople.h"

enum class Input { Typed, Pasted, Handed }; // Handed: given to editLong first
Q_DECLARE_METATYPE(Input)

class tst_Dialogs : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void input_data()
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
        row("Return in a person field is OK", "txtFN", Input::Typed, "ab", Qt::Key_Return, 1, "ab");
        row("Return in the short description is OK", "txtShort", Input::Typed, "ab", Qt::Key_Return,
            1, "ab");

        const QString digits = QStringLiteral("1234567890").repeated(5); // shows where a cut fell
        row("26th phone character", "txtPhone", Input::Typed, digits.left(26), none, 1,
            digits.left(25));
        row("31st short character", "txtShort", Input::Typed, digits.left(31), none, 1,
            digits.left(30));
        const QString markup = QStringLiteral("<b>bold</b> & <i>");
        row("markup pasted stays text", "txtFull", Input::Pasted, markup, none, 1, markup);
        row("markup handed to editLong stays text", "txtFull", Input::Handed, markup, none, 1,
            markup);
    }

    // Enter takes the default button; the length limits hold; the full description stays plain
    // text however it arrives.
    void input()
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
        if (input == Input::Handed)
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
};

QTEST_MAIN(tst_Dialogs)
#include "tst_dialogs.moc"
