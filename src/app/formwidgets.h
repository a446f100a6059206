// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FORMWIDGETS_H
#define FORMWIDGETS_H

// Building blocks of every form: the main window (src/app), the wizard and the two dialogs
// (src/wizard). Each widget and layout gets the object name its form gives it.

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>
#include <QString>

#include <initializer_list>
#include <utility>

template<typename Object, typename... Args>
Object *makeNamed(const char *objectName, Args &&...args)
{
    auto *object = new Object(std::forward<Args>(args)...);
    object->setObjectName(QString::fromLatin1(objectName));
    return object;
}

// An inner layout: no margin of its own, spacing 6.
template<typename Box> Box *makeNamedBox(const char *objectName)
{
    auto *box = makeNamed<Box>(objectName);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(6);
    return box;
}

// The layout that fills a form or page: margin 11 (or as given), spacing 6.
template<typename Box> Box *makeOuterBox(const char *objectName, QWidget *owner, int margin = 11)
{
    auto *box = makeNamed<Box>(objectName, owner);
    box->setContentsMargins(margin, margin, margin, margin);
    box->setSpacing(6);
    return box;
}

// An inner column of a label above the widget it names.
inline QVBoxLayout *labelledColumn(const char *objectName, QLabel *label, QWidget *widget)
{
    auto *column = makeNamedBox<QVBoxLayout>(objectName);
    label->setBuddy(widget);
    column->addWidget(label);
    column->addWidget(widget);
    return column;
}

// A label in a column of its own beside its field's column. As tall as its field, it stays level
// with it however the columns share out spare height.
inline void addLabelFor(QLabel *label, QWidget *field, QBoxLayout *labels)
{
    label->setBuddy(field);
    label->setFixedHeight(field->sizeHint().height());
    labels->addWidget(label);
}

// An inner row of two layouts side by side.
inline QHBoxLayout *sideBySide(const char *objectName, QLayout *left, QLayout *right)
{
    auto *row = makeNamedBox<QHBoxLayout>(objectName);
    row->addLayout(left);
    row->addLayout(right);
    return row;
}

// The buttons beside a list, kept together in the middle of its height.
inline QVBoxLayout *buttonColumn(const char *objectName,
                                 std::initializer_list<QPushButton *> buttons)
{
    auto *column = makeNamedBox<QVBoxLayout>(objectName);
    column->addItem(new QSpacerItem(20, 20, QSizePolicy::Minimum, QSizePolicy::Expanding));
    for (QPushButton *button : buttons)
        column->addWidget(button);
    column->addItem(new QSpacerItem(20, 20, QSizePolicy::Minimum, QSizePolicy::Expanding));
    return column;
}

#endif // FORMWIDGETS_H
