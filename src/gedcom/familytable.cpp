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
    LineScanner lines = context.lines();
    GedcomLine line;
    while (lines.next(line)) {
        if (!line.startsWith("0 @F"))
            continue;
        const std::string_view id = context.decoder.left(context.decoder.from(line.text, 5), 10);
        if (id.find('@') == std::string_view::npos) {
            context.errors.lineError(line.index, QStringLiteral("<Family ID Number is Wrong>"));
            break;
        }
        FamilyRec family;
        family.number = ParseWholeNumber(BeforeAt(id)).value_or(0);
        if (family.number == 0) {
            context.errors.add(QStringLiteral("- FAM Sıra No Hatalı. Satır => ") +
                               QString::number(line.index));
            continue;
        }
        family.firstChild = qsizetype(children_.size());
        qint64 badLine = 0;
        if (!readBody(context, lines, family, badLine))
            return badLine;
        if (byNumber_.contains(family.number)) {
            children_.resize(size_t(family.firstChild)); // only the first of a number is found
            continue;
        }
        byNumber_.insert(family.number, qsizetype(families_.size()));
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
    context.errors.lineError(last, QStringLiteral("<File Last Line Code is Wrong>"));
    return true;
}

const FamilyRec* FamilyTable::find(qint32 number) const
{
    const auto it = byNumber_.constFind(number);
    return it == byNumber_.cend() ? nullptr : &families_[size_t(*it)];
}

std::span<const qint32> FamilyTable::children(const FamilyRec& family) const
{
    return std::span<const qint32>(children_.data() + family.firstChild, size_t(family.childCount));
}

} // namespace kinrow
