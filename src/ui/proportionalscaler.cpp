#include "ui/proportionalscaler.h"

#include <QWidget>

namespace kinrow {

ProportionalScaler::ProportionalScaler(QWidget* root, int designWidth)
    : root_(root), designWidth_(designWidth), scaledWidth_(designWidth)
{}

bool ProportionalScaler::isPlaced(const QWidget* widget)
{
    // Controls inside layouts and the parts Qt builds inside its own widgets place themselves.
    const QWidget* parent = widget->parentWidget();
    return parent && !parent->layout() && !widget->objectName().isEmpty() &&
           !widget->objectName().startsWith(QLatin1String("qt_")) && !widget->isWindow();
}

ProportionalScaler::Design ProportionalScaler::designOf(QWidget* widget)
{
    if (const auto found = designs_.constFind(widget); found != designs_.constEnd())
        return *found;
    const qreal back = qreal(designWidth_) / scaledWidth_;
    const QRect g = widget->geometry();
    Design design;
    design.geometry = QRect(qRound(g.x() * back), qRound(g.y() * back), qRound(g.width() * back),
                            qRound(g.height() * back));
    const QFont font = widget->font();
    design.pixelFont = font.pixelSize() > 0;
    design.fontSize = (design.pixelFont ? font.pixelSize() : font.pointSizeF()) * back;
    designs_.insert(widget, design);
    // The scaler is the context, so no notice reaches it after it is gone.
    connect(widget, &QObject::destroyed, this, [this, widget] { designs_.remove(widget); });
    return design;
}

void ProportionalScaler::scaleTo(int width)
{
    const QList<QWidget*> widgets = root_->findChildren<QWidget*>();
    QList<std::pair<QWidget*, Design>> placed;
    for (QWidget* widget : widgets) {
        if (isPlaced(widget))
            placed.append({widget, designOf(widget)});
    }
    scaledWidth_ = width;
    const qreal factor = qreal(width) / designWidth_;
    for (const auto& [widget, design] : placed) {
        const QRect& g = design.geometry;
        widget->setGeometry(int(g.x() * factor), int(g.y() * factor), int(g.width() * factor),
                            int(g.height() * factor));
        QFont font = widget->font();
        if (design.pixelFont)
            font.setPixelSize(qMax(1, int(design.fontSize * factor)));
        else if (design.fontSize > 0)
            font.setPointSizeF(design.fontSize * factor);
        widget->setFont(font);
    }
}

} // namespace kinrow
