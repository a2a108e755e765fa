#include "gedcom/familytable.h"

#include "gedcom/fileparts.h"

#include <memory>

namespace kinrow {

std::optional<qint32> PartnerNumber(std::string_view line, const ValueDecoder& decoder)
{
    const size_t at = line.find("@I");
    if (at == std::string_view::npos)
        return std::nullopt;
    const std::string_view rest = line.substr(at + 2);
    if (rest.empty())
        return std::nullopt;
    return ParseWholeNumber(decoder.left(rest, decoder.length(rest) - 1));
}

std::optional<qint64> FamilyTable::read(const ReadContext& context, const ReadOptions& options)
{
    const std::vector<LineStart>& starts = context.familyStarts;
    const qsizetype span =
        starts.empty() ? 0 : qsizetype(context.bytes.size()) - starts.front().offset;
    const size_t count =
        qMin(starts.size() + 1, FilePartCount(span, options.threads, options.minPartBytes));
    std::optional<qint64> badLine;
    if (count == 1) {
        badLine = readRange(context, 0, starts.size()).badLine;
    } else {
        struct Part
        {
            Part(const ReadContext& context, const ReadOptions& options)
                : part(context, options, false)
            {}
            PartContext part;
            FamilyTable table;
            RangeEnd end;
        };
        const std::vector<size_t> cuts = EvenCuts(starts.size(), count);
        std::vector<std::unique_ptr<Part>> parts;
        for (size_t k = 0; k < count; ++k)
            parts.push_back(std::make_unique<Part>(context, options));
        RunParts(count, [&](size_t k) {
            Part& p = *parts[k];
            p.end = p.table.readRange(p.part.context, cuts[k], cuts[k + 1]);
        });
        for (const auto& p : parts) {
            p->part.handOn(context);
            append(p->table);
            badLine = p->end.badLine;
            if (!p->end.complete)
                break;
        }
    }
    std::vector<qint32> numbers;
    numbers.reserve(families_.size());
    for (const FamilyRec& family : families_)
        numbers.push_back(family.number);
    byNumber_.build(numbers);
    return badLine;
}

void FamilyTable::append(const FamilyTable& later)
{
    const auto offset = qsizetype(children_.size());
    for (FamilyRec family : later.families_) {
        family.firstChild += offset;
        families_.push_back(family);
    }
    children_.insert(children_.end(), later.children_.begin(), later.children_.end());
}

FamilyTable::RangeEnd FamilyTable::readRange(const ReadContext& context, size_t from, size_t to)
{
    for (size_t n = from; n < to; ++n) {
        const LineStart& start = context.familyStarts[n];
        LineScanner lines(context.bytes, start.offset, start.index);
        GedcomLine line;
        lines.next(line);
        const std::string_view id = context.decoder.left(context.decoder.from(line.text, 5), 10);
        if (id.find('@') == std::string_view::npos) {
            context.errors.dropped(line.index, context.errors.text(Msg::FamilyIdWrong));
            return {false, std::nullopt};
        }
        FamilyRec family;
        family.number = ParseWholeNumber(BeforeAt(id)).value_or(0);
        if (family.number == 0) {
            context.errors.droppedLine(context.errors.text(Msg::FamilyNumberWrong) +
                                       QString::number(line.index));
            continue;
        }
        family.firstChild = qsizetype(children_.size());
        qint64 badLine = 0;
        if (!readBody(context, lines, family, badLine))
            return {false, badLine};
        families_.push_back(family);
    }
    return {};
}

bool FamilyTable::readBody(const ReadContext& context, LineScanner& lines, FamilyRec& family,
                           qint64& badLine)
{
    seen_.reset();
    qint64 last = lines.nextIndex() - 1;
    while (const GedcomLine* next = lines.peek()) {
        if (next->startsWith("0"))
            return true;
        GedcomLine line;
        lines.next(line);
        last = line.index;
        if (!line.startsWith("1"))
            continue;
        const std::string_view tag = line.tag();
        if (tag != "HUSB" && tag != "WIFE" && tag != "CHIL")
            continue;
        const std::optional<qint32> person = PartnerNumber(line.text, context.decoder);
        if (!person) {
            badLine = line.index + 1;
            return false;
        }
        if (tag == "HUSB") {
            family.husband = *person;
        } else if (tag == "WIFE") {
            family.wife = *person;
        } else if (!seen_.contains(children_.data() + family.firstChild, family.childCount,
                                   *person)) {
            children_.push_back(*person);
            seen_.added(*person);
            ++family.childCount;
        }
    }
    context.errors.dropped(last, context.errors.text(Msg::LastLineCodeWrong));
    return true;
}

const FamilyRec* FamilyTable::find(qint32 number) const
{
    const qsizetype index = byNumber_.find(number);
    return index < 0 ? nullptr : &families_[size_t(index)];
}

std::span<const qint32> FamilyTable::children(const FamilyRec& family) const
{
    return std::span<const qint32>(children_.data() + family.firstChild, size_t(family.childCount));
}

} // namespace kinrow
