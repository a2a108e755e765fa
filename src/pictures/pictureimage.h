#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace kinrow {

// The image box inside a picture panel: draws its picture stretched over its whole area.
class PictureImage : public QWidget
{
    Q_OBJECT

public:
    explicit PictureImage(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage picture_;
    QPixmap scaled_; // the picture at the widget's size, so painting never rescales a big one
};

} // namespace kinrow
