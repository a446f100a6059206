#ifndef FORMWIDGETS_H
#define FORMWIDGETS_H

#include <QString>

#include <utility>

// Widgets and layouts of the forms, made with the object names the forms give them.
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

#endif // FORMWIDGETS_H
