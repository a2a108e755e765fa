#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>

class QWidget;

namespace kinrow {

// Shakes a widget sideways after a sex change: 11 pixels left, 21 right and back to where it
// began, one pixel every 15 ms, driven by a timer so the click handler returns at once.
class TitleShake : public QObject
{
    Q_OBJECT
public:
    static constexpr int Steps = 42;
    static constexpr int Interval = 15;

    explicit TitleShake(QWidget* target, QObject* parent = nullptr);

    // Starts the shake; a shake still running starts again from where the first one began.
    void start();
    bool isRunning() const { return timer_.isActive(); }

Q_SIGNALS:
    // After each step, with the widget's left edge.
    void stepped(int x);
    void finished();

private:
    void step();

    QWidget* target_;
    QTimer timer_;
    QPoint origin_;
    int done_ = 0;
};

} // namespace kinrow
