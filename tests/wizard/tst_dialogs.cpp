#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>

#include <functional>

#include "support/dialogs.h"
#include "wizard/frmdescription.h"
#include "wizard/frmpeople.h"

class tst_Dialogs : public QObject
{
    Q_OBJECT

public:
    // How an answer ends a dialog: on the widget its row names, or on the window itself.
    enum Ending { Click, PressReturn, PressKeypadEnter, PressEscape, CloseWindow };
    Q_ENUM(Ending)

    // How text reaches an edit.
    enum Entry { Typed, Pasted, Set };
    Q_ENUM(Entry)

private slots:
    void cleanup();
    void widgetTree_data();
    void widgetTree();
    void layouts_data();
    void layouts();
    void windows_data();
    void windows();
    void nameParentAndModalityFromArguments();
    void labelsLevelWithEdits_data();
    void labelsLevelWithEdits();
    void personFocusOrder();
    void endings_data();
    void endings();
    void enterInFullDescriptionStartsNewLine_data();
    void enterInFullDescriptionStartsNewLine();
    void phoneKeepsTwentyFive_data();
    void phoneKeepsTwentyFive();
    void shortDescriptionKeepsThirty_data();
    void shortDescriptionKeepsThirty();
    void personSettersFillFields_data();
    void personSettersFillFields();
    void descriptionSettersFillFields_data();
    void descriptionSettersFillFields();
    void typingKeptAsTyped_data();
    void typingKeptAsTyped();
    void fullDescriptionStaysPlain_data();
    void fullDescriptionStaysPlain();
    void richPasteArrivesAsPlainText();
};

// Runs `check` on a new dialog of that class, kept on the stack as the program keeps it.
static void withDialog(const QString &className, const std::function<void(QDialog &)> &check)
{
    if (className == QLatin1String("frmPeople")) {
        frmPeople dialog;
        check(dialog);
    } else {
        frmDescription dialog;
        check(dialog);
    }
}

// Closes what an answer's keys left open, so that a broken binding fails the test instead of
// hanging it.
static void rejectIfOpen(QWidget *dialog)
{
    auto *modal = qobject_cast<QDialog *>(dialog);
    if (modal && modal->isVisible())
        modal->reject();
}

static void clickDefaultButton(QWidget *dialog)
{
    const QList<QPushButton *> buttons = dialog->findChildren<QPushButton *>();
    for (QPushButton *button : buttons) {
        if (button->isDefault()) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
}

// Focuses the edit, then types and pastes as a user does.
static void enterText(QWidget *dialog, const QString &editName, const QString &typed,
                      const QString &pasted = QString())
{
    QWidget *edit = dialog->findChild<QWidget *>(editName);
    if (!edit)
        return;
    edit->setFocus();
    QTest::keyClicks(edit, typed);
    if (!pasted.isEmpty()) {
        QApplication::clipboard()->setText(pasted);
        QTest::keySequence(edit, QKeySequence::Paste);
    }
}

// An answer that enters the text and accepts with OK.
static std::function<void(QWidget *)> enterAndAccept(const QString &editName, const QString &typed,
                                                     const QString &pasted = QString())
{
    return [=](QWidget *dialog) {
        enterText(dialog, editName, typed, pasted);
        clickDefaultButton(dialog);
        rejectIfOpen(dialog);
    };
}

static void endWith(QWidget *dialog, QWidget *target, tst_Dialogs::Ending ending)
{
    if (target != dialog)
        target->setFocus();
    switch (ending) {
    case tst_Dialogs::Click:
        QTest::mouseClick(target, Qt::LeftButton);
        break;
    case tst_Dialogs::PressReturn:
        QTest::keyClick(target, Qt::Key_Return);
        break;
    case tst_Dialogs::PressKeypadEnter:
        QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
        break;
    case tst_Dialogs::PressEscape:
        QTest::keyClick(target, Qt::Key_Escape);
        break;
    case tst_Dialogs::CloseWindow:
        dialog->close();
        break;
    }
}

static QString textOf(const QDialog &dialog, const QString &editName)
{
    if (auto *line = dialog.findChild<QLineEdit *>(editName))
        return line->text();
    if (auto *area = dialog.findChild<QTextEdit *>(editName))
        return area->toPlainText();
    return QString();
}

// Digits that show where a cut fell: "1234567890123...".
static QString digits(int count)
{
    QString text;
    for (int i = 1; i <= count; ++i)
        text += QChar(u'0' + i % 10);
    return text;
}

static QString describeItem(QLayoutItem *item)
{
    if (item->widget())
        return item->widget()->objectName();
    if (item->layout())
        return item->layout()->objectName();
    if (item->spacerItem() && item->expandingDirections() == Qt::Horizontal)
        return QStringLiteral("horizontal spacer");
    if (item->spacerItem() && item->expandingDirections() == Qt::Vertical)
        return QStringLiteral("vertical spacer");
    return QStringLiteral("other item");
}

void tst_Dialogs::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_Dialogs::widgetTree_data()
{
    QTest::addColumn<QString>("dialogClass");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");

    const char *rows[][4] = {
        {"frmPeople", "TextLabel5", "QLabel", "First Name:"},
        {"frmPeople", "TextLabel6", "QLabel", "Second Name:"},
        {"frmPeople", "TextLabel7", "QLabel", "Occupation:"},
        {"frmPeople", "TextLabel8", "QLabel", "E-mail:"},
        {"frmPeople", "TextLabel9", "QLabel", "Telephone:"},
        {"frmPeople", "txtFN", "QLineEdit", ""},
        {"frmPeople", "txtSN", "QLineEdit", ""},
        {"frmPeople", "txtOccupation", "QLineEdit", ""},
        {"frmPeople", "txtEmail", "QLineEdit", ""},
        {"frmPeople", "txtPhone", "QLineEdit", ""},
        {"frmPeople", "btOk", "QPushButton", "OK"},
        {"frmPeople", "btCancel", "QPushButton", "Cancel"},
        {"frmDescription", "TextLabel4", "QLabel", "Short description:"},
        {"frmDescription", "TextLabel5", "QLabel", "Full description:"},
        {"frmDescription", "txtShort", "QLineEdit", ""},
        {"frmDescription", "txtFull", "QTextEdit", ""},
        {"frmDescription", "btOKDescription", "QPushButton", "&OK"},
        {"frmDescription", "btCancelDescription", "QPushButton", "&Cancel"},
    };
    for (const auto &row : rows)
        QTest::addRow("%s %s", row[0], row[1]) << row[0] << row[1] << row[2] << row[3];
}

void tst_Dialogs::widgetTree()
{
    QFETCH(QString, dialogClass);
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, text);

    withDialog(dialogClass, [&](QDialog &dialog) {
        auto *widget = dialog.findChild<QWidget *>(name);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), kind);
        QCOMPARE(widget->parentWidget(), &dialog);
        QCOMPARE(widget->property("text").toString(), text); // edits start empty
    });
}

void tst_Dialogs::layouts_data()
{
    QTest::addColumn<QString>("dialogClass");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("margin");

    const QString people = QStringLiteral("frmPeople");
    const QString description = QStringLiteral("frmDescription");
    const QString spacer = QStringLiteral("horizontal spacer");
    QTest::addRow("frmPeople frmPeopleLayout")
        << people << "frmPeopleLayout"
        << "QVBoxLayout" << QStringList {"Layout57", "Layout67"} << 11;
    QTest::addRow("frmPeople Layout57")
        << people << "Layout57"
        << "QHBoxLayout" << QStringList {"Layout55", "Layout56"} << 0;
    QTest::addRow("frmPeople Layout55")
        << people << "Layout55"
        << "QVBoxLayout"
        << QStringList {"TextLabel5", "TextLabel6", "TextLabel7", "TextLabel8", "TextLabel9"} << 0;
    QTest::addRow("frmPeople Layout56")
        << people << "Layout56"
        << "QVBoxLayout" << QStringList {"txtFN", "txtSN", "txtOccupation", "txtEmail", "txtPhone"}
        << 0;
    QTest::addRow("frmPeople Layout67")
        << people << "Layout67"
        << "QHBoxLayout" << QStringList {spacer, "btOk", "btCancel"} << 0;
    QTest::addRow("frmDescription frmDescriptionLayout")
        << description << "frmDescriptionLayout"
        << "QVBoxLayout" << QStringList {"Layout29"} << 11;
    QTest::addRow("frmDescription Layout29")
        << description << "Layout29"
        << "QVBoxLayout" << QStringList {"Layout28", "Layout24"} << 0;
    QTest::addRow("frmDescription Layout28")
        << description << "Layout28"
        << "QHBoxLayout" << QStringList {"Layout26", "Layout27"} << 0;
    QTest::addRow("frmDescription Layout26")
        << description << "Layout26"
        << "QVBoxLayout" << QStringList {"TextLabel4", "Layout16"} << 0;
    QTest::addRow("frmDescription Layout16")
        << description << "Layout16"
        << "QVBoxLayout" << QStringList {"TextLabel5", "vertical spacer"} << 0;
    QTest::addRow("frmDescription Layout27")
        << description << "Layout27"
        << "QVBoxLayout" << QStringList {"txtShort", "txtFull"} << 0;
    QTest::addRow("frmDescription Layout24")
        << description << "Layout24"
        << "QHBoxLayout" << QStringList {spacer, "Layout19"} << 0;
    QTest::addRow("frmDescription Layout19")
        << description << "Layout19"
        << "QHBoxLayout" << QStringList {"btOKDescription", "btCancelDescription"} << 0;
}

void tst_Dialogs::layouts()
{
    QFETCH(QString, dialogClass);
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QStringList, items);
    QFETCH(int, margin);

    withDialog(dialogClass, [&](QDialog &dialog) {
        auto *layout = dialog.findChild<QLayout *>(name);
        QVERIFY2(layout, qPrintable(name));
        QCOMPARE(QString::fromLatin1(layout->metaObject()->className()), kind);
        QStringList found;
        for (int i = 0; i < layout->count(); ++i)
            found << describeItem(layout->itemAt(i));
        QCOMPARE(found, items);
        QCOMPARE(layout->contentsMargins(), QMargins(margin, margin, margin, margin));
        QCOMPARE(layout->spacing(), 6);
    });
}

void tst_Dialogs::windows_data()
{
    QTest::addColumn<QString>("dialogClass");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("topLayout");
    QTest::addColumn<QString>("okButton");

    QTest::addRow("people") << "frmPeople"
                            << "People" << QSize(311, 196) << "frmPeopleLayout"
                            << "btOk";
    QTest::addRow("description") << "frmDescription"
                                 << "Problem description" << QSize(350, 248)
                                 << "frmDescriptionLayout"
                                 << "btOKDescription";
}

void tst_Dialogs::windows()
{
    QFETCH(QString, dialogClass);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    QFETCH(QString, topLayout);
    QFETCH(QString, okButton);

    withDialog(dialogClass, [&](QDialog &dialog) {
        QCOMPARE(dialog.objectName(), dialogClass);
        QCOMPARE(dialog.windowTitle(), caption);
        QCOMPARE(dialog.size(), size);
        QVERIFY(!dialog.isModal()); // modal only when asked; exec() is modal all the same
        QVERIFY(dialog.layout());
        QCOMPARE(dialog.layout()->objectName(), topLayout);
        QStringList defaults;
        const QList<QPushButton *> buttons = dialog.findChildren<QPushButton *>();
        for (const QPushButton *button : buttons) {
            if (button->isDefault())
                defaults << button->objectName();
        }
        QCOMPARE(defaults, QStringList {okButton});
        QVERIFY(dialog.findChild<QPushButton *>(okButton)->autoDefault());
    });
}

void tst_Dialogs::nameParentAndModalityFromArguments()
{
    QWidget owner;
    frmPeople people(&owner, "personDialog", true);
    frmDescription description(&owner, "problemDialog", true);

    QCOMPARE(people.objectName(), QStringLiteral("personDialog"));
    QCOMPARE(description.objectName(), QStringLiteral("problemDialog"));
    QCOMPARE(people.parentWidget(), &owner);
    QCOMPARE(description.parentWidget(), &owner);
    QVERIFY(people.isWindow() && description.isWindow());
    QVERIFY(people.isModal() && description.isModal());
}

void tst_Dialogs::labelsLevelWithEdits_data()
{
    QTest::addColumn<QString>("dialogClass");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<bool>("atTop"); // beside a text area the label stays at its top
    QTest::addColumn<QSize>("size"); // invalid: as the dialog opens

    const char *pairs[][4] = {
        {"frmPeople", "TextLabel5", "txtFN", "first name"},
        {"frmPeople", "TextLabel6", "txtSN", "second name"},
        {"frmPeople", "TextLabel7", "txtOccupation", "occupation"},
        {"frmPeople", "TextLabel8", "txtEmail", "e-mail"},
        {"frmPeople", "TextLabel9", "txtPhone", "telephone"},
        {"frmDescription", "TextLabel4", "txtShort", "short description"},
        {"frmDescription", "TextLabel5", "txtFull", "full description"},
    };
    for (const auto &pair : pairs) {
        const bool atTop = QByteArray(pair[2]) == "txtFull";
        QTest::addRow("%s as opened", pair[3]) << pair[0] << pair[1] << pair[2] << atTop << QSize();
        QTest::addRow("%s enlarged", pair[3])
            << pair[0] << pair[1] << pair[2] << atTop << QSize(640, 480);
    }
}

void tst_Dialogs::labelsLevelWithEdits()
{
    QFETCH(QString, dialogClass);
    QFETCH(QString, label);
    QFETCH(QString, edit);
    QFETCH(bool, atTop);
    QFETCH(QSize, size);

    withDialog(dialogClass, [&](QDialog &dialog) {
        QRect labelShown;
        QRect editShown;
        bool sized = !size.isValid();
        answerNextDialog([&](QWidget *shown) {
            if (size.isValid()) {
                shown->resize(size);
                sized = QTest::qWaitFor([&] { return shown->size() == size; });
            }
            if (auto *labelWidget = shown->findChild<QLabel *>(label))
                labelShown = labelWidget->geometry();
            if (auto *editWidget = shown->findChild<QWidget *>(edit))
                editShown = editWidget->geometry();
            rejectIfOpen(shown);
        });
        dialog.exec();

        QCOMPARE(dialog.findChild<QLabel *>(label)->buddy(), dialog.findChild<QWidget *>(edit));
        QVERIFY(sized);
        QVERIFY(labelShown.isValid() && editShown.isValid());
        QVERIFY(labelShown.right() < editShown.left());
        if (atTop)
            QCOMPARE(labelShown.top(), editShown.top());
        else
            QCOMPARE(labelShown.center().y(), editShown.center().y());
    });
}

// The dialog hands focus to its first edit when its window becomes active, which offscreen
// reports after the answer's timer has fired: the answer waits for it.
void tst_Dialogs::personFocusOrder()
{
    frmPeople dialog;
    bool active = false;
    QStringList visited;
    answerNextDialog([&](QWidget *shown) {
        active = QTest::qWaitForWindowActive(shown);
        for (int step = 0; step < 8; ++step) {
            QWidget *focused = QApplication::focusWidget();
            visited << (focused ? focused->objectName() : QStringLiteral("nothing"));
            if (focused)
                QTest::keyClick(focused, Qt::Key_Tab);
        }
        rejectIfOpen(shown);
    });
    dialog.exec();

    QVERIFY(active);
    const QStringList order {"txtFN",    "txtSN", "txtOccupation", "txtEmail",
                             "txtPhone", "btOk",  "btCancel",      "txtFN"};
    QCOMPARE(visited, order);
}

void tst_Dialogs::endings_data()
{
    QTest::addColumn<QString>("dialogClass");
    QTest::addColumn<QString>("target"); // empty: the window itself
    QTest::addColumn<Ending>("ending");
    QTest::addColumn<int>("result");

    const QString people = QStringLiteral("frmPeople");
    const QString description = QStringLiteral("frmDescription");
    QTest::addRow("people, OK clicked") << people << "btOk" << Click << 1;
    QTest::addRow("people, Cancel clicked") << people << "btCancel" << Click << 0;
    QTest::addRow("people, Return in first name") << people << "txtFN" << PressReturn << 1;
    QTest::addRow("people, Return in second name") << people << "txtSN" << PressReturn << 1;
    QTest::addRow("people, Return in occupation") << people << "txtOccupation" << PressReturn << 1;
    QTest::addRow("people, Return in e-mail") << people << "txtEmail" << PressReturn << 1;
    QTest::addRow("people, Return in telephone") << people << "txtPhone" << PressReturn << 1;
    QTest::addRow("people, keypad Enter in telephone")
        << people << "txtPhone" << PressKeypadEnter << 1;
    QTest::addRow("people, Return on focused Cancel") << people << "btCancel" << PressReturn << 0;
    QTest::addRow("people, Escape in first name") << people << "txtFN" << PressEscape << 0;
    QTest::addRow("people, Escape in telephone") << people << "txtPhone" << PressEscape << 0;
    QTest::addRow("people, window closed") << people << "" << CloseWindow << 0;
    QTest::addRow("description, OK clicked") << description << "btOKDescription" << Click << 1;
    QTest::addRow("description, Cancel clicked")
        << description << "btCancelDescription" << Click << 0;
    QTest::addRow("description, Return in short description")
        << description << "txtShort" << PressReturn << 1;
    QTest::addRow("description, keypad Enter in short description")
        << description << "txtShort" << PressKeypadEnter << 1;
    QTest::addRow("description, Escape in short description")
        << description << "txtShort" << PressEscape << 0;
    QTest::addRow("description, Escape in full description")
        << description << "txtFull" << PressEscape << 0;
    QTest::addRow("description, window closed") << description << "" << CloseWindow << 0;
}

void tst_Dialogs::endings()
{
    QFETCH(QString, dialogClass);
    QFETCH(QString, target);
    QFETCH(Ending, ending);
    QFETCH(int, result);

    withDialog(dialogClass, [&](QDialog &dialog) {
        bool closedByEnding = false;
        answerNextDialog([&](QWidget *shown) {
            QWidget *widget = target.isEmpty() ? shown : shown->findChild<QWidget *>(target);
            if (widget)
                endWith(shown, widget, ending);
            closedByEnding = !shown->isVisible();
            rejectIfOpen(shown);
        });
        QCOMPARE(dialog.exec(), result);
        QVERIFY(closedByEnding);
    });
}

void tst_Dialogs::enterInFullDescriptionStartsNewLine_data()
{
    QTest::addColumn<Ending>("ending");
    QTest::addRow("Return") << PressReturn;
    QTest::addRow("keypad Enter") << PressKeypadEnter;
}

void tst_Dialogs::enterInFullDescriptionStartsNewLine()
{
    QFETCH(Ending, ending);

    frmDescription dialog;
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    bool openAfterEnter = false;
    answerNextDialog([&](QWidget *shown) {
        if (auto *full = shown->findChild<QTextEdit *>(QStringLiteral("txtFull"))) {
            enterText(shown, full->objectName(), QStringLiteral("first"));
            endWith(shown, full, ending);
            QTest::keyClicks(full, QStringLiteral("second"));
        }
        openAfterEnter = shown->isVisible();
        rejectIfOpen(shown);
    });
    QCOMPARE(dialog.exec(), 0);

    QVERIFY(openAfterEnter);
    QCOMPARE(accepted.count(), 0);
    QCOMPARE(dialog.txtFull->toPlainText(), QStringLiteral("first\nsecond"));
}

// Rows for an edit that keeps `limit` characters: set through its slot, typed, then pasted.
static void lengthLimitRows(int limit)
{
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("kept");

    const QString full = digits(limit);
    const QString none;
    QTest::addRow("shorter text typed") << none << digits(5) << none << digits(5);
    QTest::addRow("full length typed") << none << full << none << full;
    QTest::addRow("one more typed, refused") << none << digits(limit + 1) << none << full;
    QTest::addRow("one more pasted onto a full field, refused") << none << full << "X" << full;
    QTest::addRow("long paste cut") << none << none << digits(limit + 15) << full;
    QTest::addRow("paste cut to the room left")
        << none << digits(5) << digits(limit) << digits(5) + digits(limit - 5);
    QTest::addRow("one more set, cut") << digits(limit + 1) << none << none << full;
    QTest::addRow("long text set, cut") << digits(3 * limit) << none << none << full;
    QTest::addRow("typing after a full set refused") << full << "X" << none << full;
}

void tst_Dialogs::phoneKeepsTwentyFive_data()
{
    lengthLimitRows(25);
}

void tst_Dialogs::phoneKeepsTwentyFive()
{
    QFETCH(QString, set);
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(QString, kept);

    frmPeople dialog;
    if (!set.isEmpty())
        dialog.editPhone(set);
    answerNextDialog(enterAndAccept(QStringLiteral("txtPhone"), typed, pasted));
    QCOMPARE(dialog.exec(), 1);
    QCOMPARE(dialog.txtPhone->text(), kept);
}

void tst_Dialogs::shortDescriptionKeepsThirty_data()
{
    lengthLimitRows(30);
}

void tst_Dialogs::shortDescriptionKeepsThirty()
{
    QFETCH(QString, set);
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(QString, kept);

    frmDescription dialog;
    if (!set.isEmpty())
        dialog.editShort(set);
    answerNextDialog(enterAndAccept(QStringLiteral("txtShort"), typed, pasted));
    QCOMPARE(dialog.exec(), 1);
    QCOMPARE(dialog.txtShort->text(), kept);
}

void tst_Dialogs::personSettersFillFields_data()
{
    QTest::addColumn<QStringList>("person"); // first, second, occupation, e-mail, telephone

    QTest::addRow("typical person")
        << QStringList {"Anna", "Schmidt", "Engineer", "anna@example.org", "+49 30 1234567"};
    QTest::addRow("blanks around kept") << QStringList {"  Anna ", " Schmidt  ", " Chief engineer ",
                                                        " anna@example.org ", " 030 1234 "};
    QTest::addRow("non-Latin letters")
        << QStringList {QStringLiteral("Иван"), QStringLiteral("Петров"), QStringLiteral("Инженер"),
                        QStringLiteral("иван@пример.рф"), QStringLiteral("+7 495 123")};
    QTest::addRow("all empty") << QStringList {"", "", "", "", ""};
}

void tst_Dialogs::personSettersFillFields()
{
    QFETCH(QStringList, person);

    frmPeople dialog;
    const QString old = QStringLiteral("old");
    dialog.editFN(old);
    dialog.editSN(old);
    dialog.editOccupation(old);
    dialog.editEmail(old);
    dialog.editPhone(old);
    dialog.editFN(person.at(0));
    dialog.editSN(person.at(1));
    dialog.editOccupation(person.at(2));
    dialog.editEmail(person.at(3));
    dialog.editPhone(person.at(4));
    answerNextDialog([](QWidget *shown) {
        clickDefaultButton(shown);
        rejectIfOpen(shown);
    });
    QCOMPARE(dialog.exec(), 1);

    const QStringList shown {dialog.txtFN->text(), dialog.txtSN->text(),
                             dialog.txtOccupation->text(), dialog.txtEmail->text(),
                             dialog.txtPhone->text()};
    QCOMPARE(shown, person);
}

void tst_Dialogs::descriptionSettersFillFields_data()
{
    QTest::addColumn<QString>("shortDesc");
    QTest::addColumn<QString>("longDesc");

    QTest::addRow("typical problem") << "Budget overrun"
                                     << "The budget ran 10% over.";
    QTest::addRow("blanks around kept") << "  Budget  "
                                        << "  indented\n  lines  \n";
    QTest::addRow("several paragraphs") << "Plan"
                                        << "first\nsecond\n\nfourth";
    QTest::addRow("non-Latin letters")
        << QStringLiteral("Бюджет") << QStringLiteral("Бюджет превышен на 10%.");
    QTest::addRow("both empty") << ""
                                << "";
}

void tst_Dialogs::descriptionSettersFillFields()
{
    QFETCH(QString, shortDesc);
    QFETCH(QString, longDesc);

    frmDescription dialog;
    dialog.editShort(QStringLiteral("old"));
    dialog.editLong(QStringLiteral("old\ntext"));
    dialog.editShort(shortDesc);
    dialog.editLong(longDesc);
    answerNextDialog([](QWidget *shown) {
        clickDefaultButton(shown);
        rejectIfOpen(shown);
    });
    QCOMPARE(dialog.exec(), 1);

    QCOMPARE(dialog.txtShort->text(), shortDesc);
    QCOMPARE(dialog.txtFull->toPlainText(), longDesc);
}

void tst_Dialogs::typingKeptAsTyped_data()
{
    QTest::addColumn<QString>("dialogClass");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("text");

    const QString people = QStringLiteral("frmPeople");
    const QString description = QStringLiteral("frmDescription");
    const QString longText = QStringLiteral("Long text ").repeated(30);
    QTest::addRow("first name with blanks around") << people << "txtFN"
                                                   << "  Anna  ";
    QTest::addRow("second name with inner blanks") << people << "txtSN"
                                                   << "van  der  Berg";
    QTest::addRow("occupation with a trailing blank") << people << "txtOccupation"
                                                      << "Engineer ";
    QTest::addRow("e-mail with a leading blank") << people << "txtEmail"
                                                 << " anna@example.org";
    QTest::addRow("telephone with blanks") << people << "txtPhone"
                                           << " +49 30 123 ";
    QTest::addRow("300 characters of first name") << people << "txtFN" << longText;
    QTest::addRow("300 characters of second name") << people << "txtSN" << longText;
    QTest::addRow("300 characters of occupation") << people << "txtOccupation" << longText;
    QTest::addRow("300 characters of e-mail") << people << "txtEmail" << longText;
    QTest::addRow("short description with blanks") << description << "txtShort"
                                                   << "  Budget  ";
    QTest::addRow("full description with blanks") << description << "txtFull"
                                                  << "  over budget  ";
    QTest::addRow("300 characters of full description") << description << "txtFull" << longText;
}

void tst_Dialogs::typingKeptAsTyped()
{
    QFETCH(QString, dialogClass);
    QFETCH(QString, edit);
    QFETCH(QString, text);

    withDialog(dialogClass, [&](QDialog &dialog) {
        answerNextDialog(enterAndAccept(edit, text));
        QCOMPARE(dialog.exec(), 1);
        QCOMPARE(textOf(dialog, edit), text);
    });
}

void tst_Dialogs::fullDescriptionStaysPlain_data()
{
    QTest::addColumn<Entry>("entry");
    QTest::addColumn<QString>("text");

    const QString markup = QStringLiteral("<b>bold</b> & <i>");
    QTest::addRow("markup typed") << Typed << markup;
    QTest::addRow("markup pasted") << Pasted << markup;
    QTest::addRow("markup set") << Set << markup;
    QTest::addRow("entities set") << Set << "&amp; &lt;b&gt; &#1044;";
    QTest::addRow("html document set") << Set << "<html><body><p>one</p></body></html>";
    QTest::addRow("markup over lines set") << Set << "<ul>\n<li>item</li>\n</ul>";
}

void tst_Dialogs::fullDescriptionStaysPlain()
{
    QFETCH(Entry, entry);
    QFETCH(QString, text);

    frmDescription dialog;
    if (entry == Set)
        dialog.editLong(text);
    const QString typed = entry == Typed ? text : QString();
    const QString pasted = entry == Pasted ? text : QString();
    answerNextDialog(enterAndAccept(QStringLiteral("txtFull"), typed, pasted));
    QCOMPARE(dialog.exec(), 1);
    QCOMPARE(dialog.txtFull->toPlainText(), text);
}

void tst_Dialogs::richPasteArrivesAsPlainText()
{
    auto *copied = new QMimeData; // the clipboard takes it
    copied->setHtml(QStringLiteral("<b>bold</b> words"));
    copied->setText(QStringLiteral("bold words"));
    QApplication::clipboard()->setMimeData(copied);

    frmDescription dialog;
    answerNextDialog([](QWidget *shown) {
        auto *full = shown->findChild<QTextEdit *>(QStringLiteral("txtFull"));
        if (full) {
            full->setFocus();
            QTest::keySequence(full, QKeySequence::Paste);
        }
        clickDefaultButton(shown);
        rejectIfOpen(shown);
    });
    QCOMPARE(dialog.exec(), 1);

    QCOMPARE(dialog.txtFull->toPlainText(), QStringLiteral("bold words"));
    QTextCursor cursor(dialog.txtFull->document());
    cursor.setPosition(2); // inside "bold"
    QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Normal));
}

QTEST_MAIN(tst_Dialogs)
#include "tst_dialogs.moc"
