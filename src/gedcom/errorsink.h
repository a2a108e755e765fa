#pragma once

#include "gedcom/readsession.h"
#include "model/messages.h"

#include <QString>

#include <vector>

namespace kinrow {

// Collects what one read reports: error-list lines up to a limit, message boxes, progress.
class ErrorSink
{
public:
    // Lines beyond this are counted, not kept, so that a hostile file cannot fill memory.
    static constexpr qsizetype MaxLines = 10000;

    // Message boxes that a file could raise once per line; only the first is shown.
    enum class Repeated
    {
        Error3,
        Error8,
        Error9
    };

    ErrorSink(ErrorList& list, const ReadOptions& options);
    // A sink that keeps what it is told, in order, for replay() into the read's own sink: a
    // part of the file read on another thread reports exactly what one pass would have.
    // Progress reaches the reporter only when forwardProgress is set.
    static ErrorSink recorder(ErrorList& unused, const ReadOptions& options, bool forwardProgress);
    // Passes on what this recording sink kept, as if told to target now.
    void replay(ErrorSink& target) const;

    // Empties the list and names the file.
    void start(const QString& fileName);
    void add(const QString& line);
    // "ERROR in Line - " + line + " - " + text
    void lineError(qint64 line, const QString& text);
    // A line that reports family data left out (a record, link, note, date or picture): the
    // list opens, so that the user sees the loss before a save makes it permanent.
    void dropped(qint64 line, const QString& text);
    void droppedLine(const QString& line);
    // A line naming lines of the file that the family cannot hold: the list opens and records
    // that saving over the file would lose them.
    void leftOut(const QString& line);
    void makeVisible();
    void message(const QString& text);
    void repeated(Repeated kind, qint64 line);
    void progress(qint64 position, qint64 maximum);
    void progressDone();
    // Adds the line that counts the suppressed lines, if any.
    void finish();

    QString text(Msg entry) const;
    Lang lang() const { return options_.lang; }

private:
    struct Event
    {
        enum class Kind
        {
            Add,
            MakeVisible,
            Message,
            Repeated
        } kind;
        QString text;
        qint64 line = 0;
        Repeated repeated = Repeated::Error3;
    };
    void markLeftOut();
    void record(Event::Kind kind, const QString& text = {}, qint64 line = 0,
                Repeated repeated = Repeated::Error3);

    ErrorList& list_;
    const ReadOptions& options_;
    qint64 suppressed_ = 0;
    bool shown_[3] = {false, false, false};
    bool leftOut_ = false; // a recording sink was told of lines left out
    bool recording_ = false;
    bool forwardProgress_ = true;
    std::vector<Event> events_;
    qsizetype recordedLines_ = 0;
};

} // namespace kinrow
