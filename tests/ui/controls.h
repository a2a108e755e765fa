#pragma once

#include <QObject>
#include <QString>

#include <gtest/gtest.h>

namespace kinrow::test {

// The control named name under root (its objectName), found the way the user's eye finds it;
// the test fails when there is none.
template <typename T> T* Control(QObject& root, const char* name)
{
    T* control = root.findChild<T*>(QString::fromLatin1(name));
    if (!control)
        ADD_FAILURE() << "no control named " << name;
    return control;
}

} // namespace kinrow::test
