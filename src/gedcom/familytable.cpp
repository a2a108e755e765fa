#include "gedcom/familytable.h"

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

std::optional<qint64> FamilyTable::read(const ReadContext& context)
{
    const std::optional<qint64> badLine = readAll(context);
    std::vector<qint32> numbers;
    numbers.reserve(families_.size());
    for (const FamilyRec& family : families_)
        numbers.push_back(family.number);
    byNumber_.build(numbers);
    return badLine;
}

std::optional<qint64> FamilyTable::readAll(const ReadContext& context)
{
    for (const LineStart& start : context.familyStarts) {
        LineScanner lines(context.bytes, start.offset, start.index);
        GedcomLine line;
        lines.next(line);
        const std::string_view id = context.decoder.left(context.decoder.from(line.text, 5), 10);
        if (id.find('@') == std::string_view::npos) {
            context.errors.dropped(line.index, QStringLiteral("<Family ID Number is Wrong>"));
            break;
        }
        FamilyRec family;
        family.number = ParseWholeNumber(BeforeAt(id)).value_or(0);
        if (family.number == 0) {
            context.errors.droppedLine(QStringLiteral("- FAM Sıra No Hatalı. Satır => ") +
                                       QString::number(line.index));
            continue;
        }
        family.firstChild = qsizetype(children_.size());
        qint64 badLine = 0;
        if (!readBody(context, lines, family, badLine))
            return badLine;
        families_.push_back(family);
    }
    return std::nullopt;
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
    context.errors.dropped(last, QStringLiteral("<File Last Line Code is Wrong>"));
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
