#pragma once

#include <QHash>
#include <QObject>
#include <QRect>

class QWidget;

namespace kinrow {

// Scales every absolutely placed control under a root widget, geometry and font, in proportion
// to the window's width. Each control keeps its design geometry, so repeated resizing never
// accumulates rounding errors.
class ProportionalScaler : public QObject
{
public:
    explicit ProportionalScaler(QWidget* root, int designWidth);

    void scaleTo(int width);
    int scaledWidth() const { return scaledWidth_; }

private:
    struct Design
    {
        QRect geometry;
        qreal fontSize = 0;
        bool pixelFont = false;
    };

    static bool isPlaced(const QWidget* widget);
    Design designOf(QWidget* widget);

    QWidget* root_;
    int designWidth_;
    int scaledWidth_;
    QHash<QWidget*, Design> designs_;
};

} // namespace kinrow
