#pragma once

#include <QLabel>

namespace kinrow {

// A label carrying a small integer Tag, such as the number of the picture on show.
class TagLabel : public QLabel
{
public:
    explicit TagLabel(QWidget* parent = nullptr) : QLabel(parent) {}

    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

private:
    int tag_ = 0;
};

} // namespace kinrow
