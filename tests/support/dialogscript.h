// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef DIALOGSCRIPT_H
#define DIALOGSCRIPT_H

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <functional>

// Answers the modal dialogs of one call in turn, and notes what each one showed. A dialog that
// finds no answer left is closed and noted as unexpected, so a test never hangs on it. Assert
// on `seen` after the call returns. One script at a time: a second one alive would answer
// the same dialogs.
class DialogScript : public QObject
{
public:
    using Answer = std::function<void(QWidget *)>;

    explicit DialogScript(QList<Answer> answers)
        : answers(std::move(answers))
    {
        poll();
    }

    QStringList seen;
    QStringList offeredNames; // the name in each file dialog's name field when it opened
    QStringList informativeTexts; // each message box's

private:
    // Re-armed before answering, since an answer may open the next dialog in a nested loop;
    // the script is the timer's context, so no poll outlives it.
    void poll()
    {
        QTimer::singleShot(5, this, [this] {
            poll();
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog || dialog == handled || answering.contains(dialog))
                return;
            handled = dialog;
            note(dialog);
            if (answers.isEmpty()) {
                seen << QStringLiteral("unexpected");
                dialog->close();
                return;
            }
            // An answer that opens dialogs of its own (a wizard's Add) waits in their nested
            // loops; the dialog it answers is active again meanwhile, but is not answered twice.
            answering.append(dialog);
            answers.takeFirst()(dialog);
            answering.removeOne(dialog);
        });
    }

    void note(QWidget *dialog)
    {
        if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
            seen << box->windowTitle() + QLatin1String(" | ") + box->text();
            informativeTexts << box->informativeText();
        } else if (auto *files = qobject_cast<QFileDialog *>(dialog)) {
            seen << QLatin1String("file dialog ") + files->objectName() + QLatin1String(" | ")
                    + files->windowTitle();
            auto *nameEdit = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            offeredNames << (nameEdit ? nameEdit->text() : QString());
        } else {
            seen << QString::fromLatin1(dialog->metaObject()->className()) + QLatin1String(" | ")
                    + dialog->windowTitle();
        }
    }

    QList<Answer> answers;
    QPointer<QWidget> handled;
    QList<QWidget *> answering; // whose answers are running; compared, never dereferenced
};

// The answers for one call, as a data column.
using Script = QList<DialogScript::Answer>;

namespace Answers {

// Puts the path into the dialog's name field as a user types it. selectFile() alone is not
// enough: it leaves the field alone while the field has focus, and the view selects nothing until
// its folder has loaded, so the dialog could return no name at all.
inline void enterFileName(QFileDialog *files, const QString &path)
{
    files->selectFile(path);
    if (auto *view = files->findChild<QAbstractItemView *>(QStringLiteral("listView")))
        view->clearSelection();
    files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
}

// Picks the path as the dialog's result without the dialog's own checks, so that tests can
// hand over names a user could type or that vanish in between: missing files, directories.
inline DialogScript::Answer chooseFile(const QString &path)
{
    return [path](QWidget *dialog) {
        if (auto *files = qobject_cast<QFileDialog *>(dialog)) {
            enterFileName(files, path);
            static_cast<QDialog *>(files)->done(QDialog::Accepted);
        } else {
            dialog->close();
        }
    };
}

// Accepts the way a user does: the dialog checks the name and may ask about replacing it.
inline DialogScript::Answer acceptFile(const QString &path)
{
    return [path](QWidget *dialog) {
        if (auto *files = qobject_cast<QFileDialog *>(dialog)) {
            enterFileName(files, path);
            QMetaObject::invokeMethod(files, "accept", Qt::QueuedConnection);
        }
    };
}

inline DialogScript::Answer cancel()
{
    return &QWidget::close;
}

// Clicks the message box button with that text (as shown, with its '&').
inline DialogScript::Answer click(const QString &text)
{
    return [text](QWidget *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        for (QAbstractButton *button : box ? box->buttons() : QList<QAbstractButton *>()) {
            if (button->text() == text)
                return button->click();
        }
        dialog->close();
    };
}

// A key on the dialog, as a user presses it: Enter takes the default button, Escape the
// escape button.
inline DialogScript::Answer press(Qt::Key key)
{
    return [key](QWidget *dialog) {
        QTest::keyClick(dialog, key);
    };
}

} // namespace Answers

#endif // DIALOGSCRIPT_H
