#pragma once

#include <QDialog>
#include <QImage>

namespace kinrow {

// A modal window that shows a picture at its natural size from the top left corner, cut off
// when it is larger than the window.
class PictureViewer : public QDialog
{
    Q_OBJECT
public:
    explicit PictureViewer(const QImage& picture, QWidget* parent = nullptr);
};

} // namespace kinrow
