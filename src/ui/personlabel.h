#pragma once

#include <QLabel>

namespace kinrow {

// A clickable label naming one person: it carries the person's record number as its Tag
// (0 = nobody) and draws its caption as raised text.
class PersonLabel : public QLabel
{
    Q_OBJECT
public:
    explicit PersonLabel(QWidget* parent = nullptr);

    qint32 tag() const { return tag_; }
    void setTag(qint32 recNo) { tag_ = recNo; }

    // The font colour of the caption, the palette's foreground; the raised highlight is drawn
    // in white below it.
    QColor textColor() const;
    void setTextColor(const QColor& color);

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The second press of a double click: the first click already counted.
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    qint32 tag_ = 0;
    bool pressed_ = false;
};

} // namespace kinrow
