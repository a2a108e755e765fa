#pragma once

#include "model/messages.h"

#include <QString>
#include <QStringList>

namespace kinrow {

// The About page's error list as the reader and the legacy import fill it.
struct ErrorList
{
    QStringList lines;
    bool visible = false; // the list (and its close button) is shown after reading
    // Lines of the file that the family cannot hold were left out (and named in lines): saving
    // over the file would lose them.
    bool linesLeftOut = false;
};

// What reading a family file shows the user besides the error list: message boxes and the
// progress bar. The window implements it; tests and the command-line tool record or ignore.
class ReadReporter
{
public:
    virtual ~ReadReporter() = default;
    // A modal message box with an OK button.
    virtual void message(const QString& text) { Q_UNUSED(text); }
    // Progress of a long pass: position in 0..maximum. Called at most every few thousand
    // steps, so the window may let pending events run in it.
    virtual void progress(qint64 position, qint64 maximum)
    {
        Q_UNUSED(position);
        Q_UNUSED(maximum);
    }
    // The pass that shows the progress bar has ended.
    virtual void progressDone() {}
};

struct ReadOptions
{
    Lang lang = Lang::English; // language of the messages
    QString programVersion = QStringLiteral("3.04");
    ReadReporter* reporter = nullptr; // may be null
    // The file is read in parts on this many threads at most (0: one per core), none smaller
    // than minPartBytes; the result never depends on either.
    int threads = 0;
    qsizetype minPartBytes = 32 * 1024;
};

} // namespace kinrow
