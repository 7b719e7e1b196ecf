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
