#pragma once

#include <QImage>
#include <QString>

namespace kinrow {

// Loads a picture file; JPEG content (whatever the file is called) goes through libjpeg, every
// other format through Qt. A missing, corrupt, truncated or absurdly large file gives a null
// image, never a crash or a message on the console.
QImage LoadPicture(const QString& path);

} // namespace kinrow
