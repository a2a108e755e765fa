#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace kinrow {

// Picture files are read only when they are regular files (a FIFO or a device would never
// end); JPEG content (whatever the file is called) goes through libjpeg, every other format
// through Qt. A missing, corrupt, truncated or absurdly large file gives a null image or an
// empty size, never a crash, a hang or a message on the console.

// The largest picture read at all: a photo of 268 megapixels (16384 x 16384) is read when it
// is decoded smaller; anything claiming more is taken for a decompression bomb.
inline constexpr qint64 MaxPictureSourcePixels = qint64(1) << 28;
// The largest picture decoded at its natural size.
inline constexpr qint64 MaxPictureDecodedPixels = 100'000'000;

// The natural size of the picture in a file, from its header; empty when it is no picture
// this program can show.
QSize PictureSize(const QString& path);

// The whole picture at its natural size; null above MaxPictureDecodedPixels.
QImage LoadPicture(const QString& path);

// A picture decoded for a box of the given size: at least as large as the picture drawn
// shrunk into the box, and decoded no larger than needed where the format allows it, so that
// large photos show without holding their every pixel.
struct FittedPicture
{
    QImage image;      // null when the file cannot be shown
    QSize naturalSize; // the picture's own size
};
FittedPicture LoadPictureToFit(const QString& path, QSize box);

// The top left corner of the picture at its natural size, at most corner large: what a window
// of that size shows of it. Only the rows needed are decoded.
FittedPicture LoadPictureCorner(const QString& path, QSize corner);

} // namespace kinrow
