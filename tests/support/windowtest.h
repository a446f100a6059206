// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef WINDOWTEST_H
#define WINDOWTEST_H

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include "register/decisionfilter.h"
#include "register/decisionregister.h"
#include "register/frmdecisions.h"
#include "support/frmmaininspector.h"

// The fixture of the main window tests: each test gets a fresh exposed window and an empty
// temporary folder, and leaves no window open.
class WindowTest : public QObject
{
    Q_OBJECT

protected:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<frmMain> window;

    frmMainInspector state() const { return frmMainInspector(*window); }
    QString path(const QString &name) const { return dir->filePath(name); }

protected slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY2(dir->isValid(), qPrintable(dir->errorString()));
        window = std::make_unique<frmMain>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup()
    {
        window.reset();
        dir.reset();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }
};

// The texts of one column of a register, top to bottom, as it shows them.
inline QStringList column(const frmDecisions &list, int column = DecisionRegister::ProblemColumn)
{
    QStringList texts;
    for (int row = 0; row < list.filter->rowCount(); ++row)
        texts << list.filter->index(row, column).data().toString();
    return texts;
}

// The question Open and New ask while meetings are loaded, as DialogScript notes it.
inline const QString addOrReplaceSeen
    = QStringLiteral("Add or Replace previous meetimg | Replace or Add to previous meeting");

#endif // WINDOWTEST_H
