#pragma once

#include <QLabel>
#include <QUrl>

namespace kinrow {

// A label drawn as raised 3-D text that opens its address with the system's handler on a click.
class Label3D : public QLabel
{
    Q_OBJECT
public:
    explicit Label3D(const QString& text, QWidget* parent = nullptr);

    void setAddress(const QUrl& address) { address_ = address; }
    QUrl address() const { return address_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QUrl address_;
};

} // namespace kinrow
