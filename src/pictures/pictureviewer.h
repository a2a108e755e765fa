#pragma once

#include <QDialog>
#include <QImage>

namespace kinrow {

// A modal window that shows a picture at its natural size from the top left corner, cut off
// when it is larger than the window. The picture may be given as just its top left corner
// (naturalSize then names the whole picture's size).
class PictureViewer : public QDialog
{
    Q_OBJECT
public:
    explicit PictureViewer(const QImage& picture, QWidget* parent = nullptr,
                           QSize naturalSize = QSize());
};

} // namespace kinrow
