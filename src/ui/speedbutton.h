#pragma once

#include <QToolButton>

namespace kinrow {

// A flat tool button carrying a small integer Tag, such as the sex the person form shows on the
// sex button.
class SpeedButton : public QToolButton
{
public:
    explicit SpeedButton(QWidget* parent = nullptr) : QToolButton(parent)
    {
        setAutoRaise(true);
        setFocusPolicy(Qt::NoFocus);
    }

    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

private:
    int tag_ = 0;
};

} // namespace kinrow
