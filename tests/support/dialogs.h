#ifndef DIALOGS_H
#define DIALOGS_H

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Runs `answer` on the modal dialog that the next call opens. The answer only looks and acts;
// the test asserts after the call returns, so a failed check never leaves a dialog open.
inline void answerNextDialog(std::function<void(QWidget *)> answer)
{
    QTimer::singleShot(0, [answer] {
        if (QWidget *dialog = QApplication::activeModalWidget())
            answer(dialog);
    });
}

#endif // DIALOGS_H
