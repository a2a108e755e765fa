#pragma once

#include "ui/personlabel.h"

namespace kinrow {

// One slot of the ancestor chart: a person label in a recessed border of the slot's colour,
// its caption drawn raised, lightly raised or flat.
class SlotLabel : public PersonLabel
{
    Q_OBJECT
public:
    enum class TextStyle
    {
        Flat,
        Raised,
        LightRaised
    };

    SlotLabel(int slot, QWidget* parent = nullptr);

    int slot() const { return slot_; }
    QColor borderColor() const { return borderColor_; }
    void setBorder(const QColor& color, int width);
    void setTextStyle(TextStyle style) { style_ = style; }
    TextStyle textStyle() const { return style_; }

Q_SIGNALS:
    void entered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    int slot_;
    QColor borderColor_ = Qt::black;
    int borderWidth_ = 1;
    TextStyle style_ = TextStyle::Flat;
};

} // namespace kinrow
