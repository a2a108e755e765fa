#pragma once

#include "gedcom/numberindex.h"
#include "gedcom/readcontext.h"
#include "gedcom/seenids.h"

#include <optional>
#include <span>
#include <vector>

namespace kinrow {

// One two-partner family of the file, alive only while the file is read.
struct FamilyRec
{
    qint32 number = 0;
    qint32 wife = 0;    // person number, 0 = none
    qint32 husband = 0; // person number, 0 = none
    qsizetype firstChild = 0;
    qsizetype childCount = 0;
};

// The families of a file, found by a pass over its lines before the persons are read.
class FamilyTable
{
public:
    // Reads every family record. Returns the 1-based number of a partner or child line whose
    // person number is not a whole number: reading the file must then stop.
    // Reads on several threads when the file is large.
    std::optional<qint64> read(const ReadContext& context, const ReadOptions& options);

    // The first family with this number, null when there is none.
    const FamilyRec* find(qint32 number) const;
    std::span<const qint32> children(const FamilyRec& family) const;
    qsizetype totalChildren() const { return qsizetype(children_.size()); }
    qsizetype indexOf(const FamilyRec& family) const { return &family - families_.data(); }
    qsizetype size() const { return qsizetype(families_.size()); }

private:
    // How reading a range of family records ended: complete unless a broken opening line
    // ended the reading of families, or a person number that is no number refuses the file.
    struct RangeEnd
    {
        bool complete = true;
        std::optional<qint64> badLine;
    };
    // Reads the families of context.familyStarts[from, to).
    RangeEnd readRange(const ReadContext& context, size_t from, size_t to);
    // Appends the families another table read from a later range.
    void append(const FamilyTable& later);
    // Reads the lines of one family; false when a person number is not a whole number.
    bool readBody(const ReadContext& context, LineScanner& lines, FamilyRec& family,
                  qint64& badLine);

    std::vector<FamilyRec> families_;
    std::vector<qint32> children_;
    NumberIndex byNumber_;
    SeenIds seen_;
};

// The person number of a HUSB, WIFE or CHIL line: what follows the first "@I", without the
// line's last character.
std::optional<qint32> PartnerNumber(std::string_view line, const ValueDecoder& decoder);

} // namespace kinrow
