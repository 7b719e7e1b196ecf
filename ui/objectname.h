// Gives a window element the name it is known by, so that tests and the
// localisation pass find it.
#pragma once

#include <QString>

template<typename Object>
Object *named(Object *object, const char *name)
{
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

// An action added to a menu under its name, its text left to the localisation pass.
template<typename Menu>
auto *namedAction(Menu *menu, const char *name)
{
    return named(menu->addAction(QString()), name);
}
