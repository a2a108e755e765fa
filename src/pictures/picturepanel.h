#pragma once

#include <QFrame>
#include <QImage>
#include <QString>

namespace kinrow {

class PictureImage;

// A framed box that shows one picture shrunk to fit and centred, or its caption when empty.
class PicturePanel : public QFrame
{
    Q_OBJECT

public:
    static constexpr int kDefaultWidth = 111;
    static constexpr int kDefaultHeight = 136;

    explicit PicturePanel(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    QString caption() const { return caption_; }

    // Removes the picture and its hint; the caption shows again.
    void clear();
    // Loads the file, decoded at about the panel's size, and shows it with its hint; false,
    // and empty, when it cannot be loaded.
    bool showFile(const QString& path);
    // Shows a picture at its natural size (naturalSize empty) or one decoded smaller.
    void setPicture(const QImage& picture, const QString& hint, QSize naturalSize = QSize());

    // The picture as decoded for the panel; null when none is shown.
    const QImage& picture() const;
    bool hasPicture() const { return !picture().isNull(); }
    // The size of the picture on show as its file holds it, and the file it came from (empty
    // for a picture given directly).
    QSize naturalSize() const { return naturalSize_; }
    QString file() const { return file_; }
    // The hint of the picture on show, lines separated by a carriage return; empty for none.
    QString hint() const { return hint_; }
    QWidget* imageWidget() const;

    QSize sizeHint() const override;

Q_SIGNALS:
    // A click on the panel or on its picture.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fitImage();

    PictureImage* image_;
    QString caption_;
    QString hint_;
    QString file_;
    QSize naturalSize_;
};

} // namespace kinrow
