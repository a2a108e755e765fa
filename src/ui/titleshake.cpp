#include "ui/titleshake.h"

#include <QWidget>

namespace kinrow {

namespace {

constexpr int ShakeLeft = 11;
constexpr int ShakeRight = 21;

// The move of step i: left, then right past the start, then back.
int StepOffset(int i)
{
    return i < ShakeLeft || i >= ShakeLeft + ShakeRight ? -1 : 1;
}

} // namespace

TitleShake::TitleShake(QWidget* target, QObject* parent) : QObject(parent), target_(target)
{
    timer_.setInterval(Interval);
    connect(&timer_, &QTimer::timeout, this, &TitleShake::step);
}

void TitleShake::start()
{
    if (isRunning())
        target_->move(origin_);
    origin_ = target_->pos();
    done_ = 0;
    timer_.start();
}

void TitleShake::step()
{
    target_->move(target_->pos() + QPoint(StepOffset(done_), 0));
    ++done_;
    if (done_ == Steps) {
        timer_.stop();
        // Whatever moved the widget meanwhile, it ends where it began.
        target_->move(origin_);
    }
    Q_EMIT stepped(target_->x());
    if (done_ == Steps)
        Q_EMIT finished();
}

} // namespace kinrow
