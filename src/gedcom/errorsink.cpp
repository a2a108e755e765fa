#include "gedcom/errorsink.h"

#include "model/messages.h"

namespace kinrow {

ErrorSink::ErrorSink(ErrorList& list, const ReadOptions& options) : list_(list), options_(options)
{}

ErrorSink ErrorSink::recorder(ErrorList& unused, const ReadOptions& options, bool forwardProgress)
{
    ErrorSink sink(unused, options);
    sink.recording_ = true;
    sink.forwardProgress_ = forwardProgress;
    return sink;
}

void ErrorSink::record(Event::Kind kind, const QString& text, qint64 line, Repeated repeated)
{
    if (kind == Event::Kind::Add) {
        // The target holds its file name line already, so every line past this many is
        // suppressed there whatever came before.
        if (recordedLines_ >= MaxLines) {
            ++suppressed_;
            return;
        }
        ++recordedLines_;
    } else if (kind == Event::Kind::MakeVisible && !events_.empty() &&
               events_.back().kind == Event::Kind::MakeVisible) {
        return;
    }
    events_.push_back({kind, text, line, repeated});
}

void ErrorSink::replay(ErrorSink& target) const
{
    for (const Event& event : events_) {
        switch (event.kind) {
        case Event::Kind::Add:
            target.add(event.text);
            break;
        case Event::Kind::MakeVisible:
            target.makeVisible();
            break;
        case Event::Kind::Message:
            target.message(event.text);
            break;
        case Event::Kind::Repeated:
            target.repeated(event.repeated, event.line);
            break;
        }
    }
    target.suppressed_ += suppressed_;
    if (leftOut_)
        target.markLeftOut();
}

void ErrorSink::start(const QString& fileName)
{
    list_.lines.clear();
    list_.visible = false;
    list_.linesLeftOut = false;
    suppressed_ = 0;
    add(text(Msg::FileNameLabel) + fileName);
}

void ErrorSink::add(const QString& line)
{
    if (recording_)
        record(Event::Kind::Add, line);
    else if (list_.lines.size() < MaxLines)
        list_.lines.append(line);
    else
        ++suppressed_;
}

void ErrorSink::lineError(qint64 line, const QString& text)
{
    if (recording_ && recordedLines_ >= MaxLines)
        ++suppressed_;
    else if (recording_ || list_.lines.size() < MaxLines)
        add(this->text(Msg::ErrorInLine).arg(QString::number(line), text));
    else
        ++suppressed_;
}

void ErrorSink::dropped(qint64 line, const QString& text)
{
    makeVisible();
    lineError(line, text);
}

void ErrorSink::droppedLine(const QString& line)
{
    makeVisible();
    add(line);
}

void ErrorSink::leftOut(const QString& line)
{
    droppedLine(line);
    markLeftOut();
}

void ErrorSink::markLeftOut()
{
    if (recording_)
        leftOut_ = true;
    else
        list_.linesLeftOut = true;
}

void ErrorSink::makeVisible()
{
    if (recording_)
        record(Event::Kind::MakeVisible);
    else
        list_.visible = true;
}

void ErrorSink::message(const QString& text)
{
    if (recording_)
        record(Event::Kind::Message, text);
    else if (options_.reporter)
        options_.reporter->message(text);
}

void ErrorSink::repeated(Repeated kind, qint64 line)
{
    const int k = int(kind);
    if (recording_ && !shown_[k]) {
        // Whether the target shows the box or adds a line depends on what came before.
        shown_[k] = true;
        record(Event::Kind::Repeated, {}, line, kind);
        return;
    }
    static constexpr Msg names[3] = {Msg::RepeatedError3, Msg::RepeatedError8, Msg::RepeatedError9};
    const QString name = text(names[k]);
    // A family of which the person is no partner gives no spouse.
    if (kind == Repeated::Error3)
        makeVisible();
    if (!shown_[k]) {
        shown_[k] = true;
        message(name);
    } else {
        lineError(line, QLatin1Char('<') + name + QLatin1Char('>'));
    }
}

void ErrorSink::progress(qint64 position, qint64 maximum)
{
    if (options_.reporter && forwardProgress_)
        options_.reporter->progress(position, maximum);
}

void ErrorSink::progressDone()
{
    if (options_.reporter)
        options_.reporter->progressDone();
}

void ErrorSink::finish()
{
    if (suppressed_ == 0)
        return;
    list_.lines.append(text(Msg::ErrorLinesNotShown).arg(suppressed_));
    suppressed_ = 0;
}

QString ErrorSink::text(Msg entry) const
{
    return LangText(entry, options_.lang);
}

} // namespace kinrow
