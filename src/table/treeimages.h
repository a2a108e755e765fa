#pragma once

#include <QIcon>
#include <QList>

namespace kinrow {

// The generation table's row icons, by image index: ancestor, the person, odd and even
// descendants, each for a man and then a woman.
QList<QIcon> TreeImages();

} // namespace kinrow
