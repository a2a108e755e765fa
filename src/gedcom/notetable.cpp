#include "gedcom/notetable.h"

namespace kinrow {

void NoteTable::read(const ReadContext& context)
{
    for (const LineStart& start : context.noteStarts) {
        LineScanner lines(context.bytes, start.offset, start.index);
        GedcomLine line;
        lines.next(line);
        const std::string_view id = context.decoder.from(line.text, 6);
        if (id.find('@') == std::string_view::npos) {
            context.errors.dropped(line.index, QStringLiteral("<Note Format is Wrong>"));
            break;
        }
        const qint32 number = ParseWholeNumber(BeforeAt(id)).value_or(0);
        if (number == 0) {
            context.errors.dropped(line.index, QStringLiteral("<Family Record Number is Wrong>"));
            continue;
        }
        numbers_.push_back(number);
        texts_.emplace_back();
        // Other programs begin the text on the record's own line.
        if (context.foreign) {
            const size_t tag = line.text.find("@ NOTE ");
            if (tag != std::string_view::npos)
                context.decoder.appendTo(texts_.back(), line.text.substr(tag + 7), line.index);
        }
        readBody(context, lines, texts_.back());
    }
    byNumber_.build(numbers_);
}

void NoteTable::readBody(const ReadContext& context, LineScanner& lines, QString& text)
{
    qint64 last = lines.nextIndex() - 1;
    while (const GedcomLine* next = lines.peek()) {
        if (next->startsWith("0"))
            return;
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
    }
    context.errors.dropped(last, QStringLiteral("<File Last Line Code is Wrong>"));
}

const QString* NoteTable::find(qint32 number) const
{
    const qsizetype index = byNumber_.find(number);
    return index < 0 ? nullptr : &texts_[size_t(index)];
}

} // namespace kinrow
