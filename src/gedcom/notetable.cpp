#include "gedcom/notetable.h"

#include "gedcom/fileparts.h"

#include <memory>

namespace kinrow {

void NoteTable::read(const ReadContext& context, const ReadOptions& options)
{
    const std::vector<LineStart>& starts = context.noteStarts;
    const qsizetype span =
        starts.empty() ? 0 : qsizetype(context.bytes.size()) - starts.front().offset;
    const size_t count =
        qMin(starts.size() + 1, FilePartCount(span, options.threads, options.minPartBytes));
    if (count == 1) {
        readRange(context, 0, starts.size(), numbers_, texts_, spans_);
    } else {
        struct Part
        {
            Part(const ReadContext& context, const ReadOptions& options)
                : part(context, options, false)
            {}
            PartContext part;
            std::vector<qint32> numbers;
            std::vector<QString> texts;
            std::vector<std::pair<qint64, qint64>> spans;
            bool complete = true;
        };
        const std::vector<size_t> cuts = EvenCuts(starts.size(), count);
        std::vector<std::unique_ptr<Part>> parts;
        for (size_t k = 0; k < count; ++k)
            parts.push_back(std::make_unique<Part>(context, options));
        RunParts(count, [&](size_t k) {
            Part& p = *parts[k];
            p.complete =
                readRange(p.part.context, cuts[k], cuts[k + 1], p.numbers, p.texts, p.spans);
        });
        for (const auto& p : parts) {
            p->part.handOn(context);
            numbers_.insert(numbers_.end(), p->numbers.begin(), p->numbers.end());
            texts_.insert(texts_.end(), std::make_move_iterator(p->texts.begin()),
                          std::make_move_iterator(p->texts.end()));
            spans_.insert(spans_.end(), p->spans.begin(), p->spans.end());
            if (!p->complete)
                break;
        }
    }
    byNumber_.build(numbers_);
    used_ = std::make_unique<std::atomic<bool>[]>(texts_.size());
}

bool NoteTable::readRange(const ReadContext& context, size_t from, size_t to,
                          std::vector<qint32>& numbers, std::vector<QString>& texts,
                          std::vector<std::pair<qint64, qint64>>& spans)
{
    for (size_t n = from; n < to; ++n) {
        const LineStart& start = context.noteStarts[n];
        LineScanner lines(context.bytes, start.offset, start.index);
        GedcomLine line;
        lines.next(line);
        const std::string_view id = context.decoder.from(line.text, 6);
        if (id.find('@') == std::string_view::npos) {
            context.errors.dropped(line.index, context.errors.text(Msg::NoteFormatWrong));
            return false;
        }
        const qint32 number = ParseWholeNumber(BeforeAt(id)).value_or(0);
        if (number == 0) {
            context.errors.dropped(line.index, context.errors.text(Msg::NoteRecordNumberWrong));
            continue;
        }
        numbers.push_back(number);
        texts.emplace_back();
        // Text on the record's own line is the note's first line, whichever program wrote it.
        const size_t tag = line.text.find("@ NOTE ");
        if (tag != std::string_view::npos)
            context.decoder.appendTo(texts.back(), line.text.substr(tag + 7), line.index);
        const qint64 opening = line.index;
        spans.emplace_back(opening, 1 + readBody(context, lines, texts.back()));
    }
    return true;
}

qint64 NoteTable::readBody(const ReadContext& context, LineScanner& lines, QString& text)
{
    qint64 last = lines.nextIndex() - 1;
    qint64 textLines = 0;
    while (const GedcomLine* next = lines.peek()) {
        if (next->startsWith("0"))
            return textLines;
        GedcomLine line;
        lines.next(line);
        last = line.index;
        if (!line.startsWith("1")) {
            // Other programs put sources and their continuations there; they are no text.
            if (context.foreign)
                continue;
            context.errors.repeated(ErrorSink::Repeated::Error8, line.index);
        }
        const std::string_view tag = line.tag();
        const bool conc = tag == "CONC";
        if (!conc && tag != "CONT")
            continue;
        if (!conc)
            text.append(QLatin1String("\r\n"));
        context.decoder.appendTo(text, context.decoder.from(line.text, 8), line.index);
        ++textLines;
    }
    context.errors.dropped(last, context.errors.text(Msg::LastLineCodeWrong));
    return textLines;
}

const QString* NoteTable::find(qint32 number) const
{
    const qsizetype index = byNumber_.find(number);
    return index < 0 ? nullptr : &texts_[size_t(index)];
}

void NoteTable::markUsed(const QString* text) const
{
    used_[size_t(text - texts_.data())].store(true, std::memory_order_relaxed);
}

std::vector<std::pair<qint64, qint64>> NoteTable::unused() const
{
    std::vector<std::pair<qint64, qint64>> out;
    for (size_t i = 0; i < spans_.size(); ++i)
        if (!used_[i].load(std::memory_order_relaxed))
            out.push_back(spans_[i]);
    return out;
}

} // namespace kinrow
