#pragma once

#include <QObject>
#include <QString>

#include <gtest/gtest.h>

namespace kinrow::test {

// The control of the given type named name (its objectName) among root's descendants. Pages
// keep their controls private; tests find them by the documented names. A missing control fails
// the test where it is asked for.
template <class T> T* Control(const QObject& root, const QString& name)
{
    T* found = root.findChild<T*>(name);
    if (!found)
        ADD_FAILURE() << "no control named " << name.toStdString();
    return found;
}

template <class T> T* Control(const QObject* root, const QString& name)
{
    return Control<T>(*root, name);
}

} // namespace kinrow::test
