#include "gedcom/notetable.h"

namespace kinrow {

void NoteTable::read(const ReadContext& context)
{
    LineScanner lines = context.lines();
    GedcomLine line;
    while (lines.next(line)) {
        if (!line.startsWith("0 @NI"))
            continue;
        const std::string_view id = context.decoder.from(line.text, 6);
        if (id.find('@') == std::string_view::npos) {
            context.errors.lineError(line.index, QStringLiteral("<Note Format is Wrong>"));
            break;
        }
        const qint32 number = ParseWholeNumber(BeforeAt(id)).value_or(0);
        if (number == 0) {
            context.errors.lineError(line.index, QStringLiteral("<Family Record Number is Wrong>"));
            continue;
        }
        if (byNumber_.contains(number)) {
            readBody(context, lines, nullptr); // only the first of a number is ever found
            continue;
        }
        byNumber_.insert(number, qsizetype(texts_.size()));
        texts_.emplace_back();
        readBody(context, lines, &texts_.back());
    }
}

void NoteTable::readBody(const ReadContext& context, LineScanner& lines, QString* text)
{
    qint64 last = lines.nextIndex() - 1;
    while (const GedcomLine* next = lines.peek()) {
        if (next->startsWith("0"))
            return;
        GedcomLine line;
        lines.next(line);
        last = line.index;
        if (!line.startsWith("1"))
            context.errors.repeated(ErrorSink::Repeated::Error8, line.index);
        const std::string_view tag = line.tag();
        const bool conc = tag == "CONC";
        if ((!conc && tag != "CONT") || !text)
            continue;
        if (!conc)
            text->append(QLatin1String("\r\n"));
        context.decoder.appendTo(*text, context.decoder.from(line.text, 8), line.index);
    }
    context.errors.lineError(last, QStringLiteral("<File Last Line Code is Wrong>"));
}

const QString* NoteTable::find(qint32 number) const
{
    const auto it = byNumber_.constFind(number);
    return it == byNumber_.cend() ? nullptr : &texts_[size_t(*it)];
}

} // namespace kinrow
