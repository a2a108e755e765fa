#pragma once

#include "gedcom/readsession.h"

#include <QElapsedTimer>

class QProgressBar;

namespace kinrow {

class Prompts;

// Shows what reading a family file reports in the window: message boxes through the prompts
// and the progress bar above the error list, letting the window repaint while it reads.
class WindowReadReporter : public ReadReporter
{
public:
    WindowReadReporter(Prompts& prompts, QProgressBar* bar) : prompts_(prompts), bar_(bar) {}

    void message(const QString& text) override;
    void progress(qint64 position, qint64 maximum) override;
    void progressDone() override;

    // Pending events run at most this often, so a huge file is not slowed down by repainting.
    static constexpr qint64 EventIntervalMs = 50;

private:
    Prompts& prompts_;
    QProgressBar* bar_;
    QElapsedTimer sinceEvents_;
};

} // namespace kinrow
