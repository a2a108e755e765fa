#include "shell/windowreadreporter.h"

#include "ui/prompts.h"

#include <QCoreApplication>
#include <QProgressBar>

namespace kinrow {

void WindowReadReporter::message(const QString& text)
{
    prompts_.message(MessageKind::Plain, text, MessageButtons::Ok);
}

void WindowReadReporter::progress(qint64 position, qint64 maximum)
{
    // A QProgressBar counts in int; larger passes are shown in thousandths.
    constexpr int Steps = 1000;
    const int value = maximum > 0 ? int(qBound<qint64>(0, position, maximum) * Steps / maximum) : 0;
    bar_->setRange(0, Steps);
    bar_->setValue(value);
    if (!bar_->isVisible()) {
        bar_->show();
        bar_->raise();
    }
    if (!sinceEvents_.isValid() || sinceEvents_.elapsed() >= EventIntervalMs) {
        // Input is kept out: a click during the read must not start another operation.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        sinceEvents_.restart();
    }
}

void WindowReadReporter::progressDone()
{
    bar_->hide();
    bar_->reset();
}

} // namespace kinrow
