#include "gedcom/parallelpersons.h"

#include "gedcom/personpass.h"
#include "model/parallel.h"

#include <memory>
#include <optional>

namespace kinrow {

namespace {

// One stretch read on its own.
struct Stretch
{
    Stretch(const ReadContext& context, const ReadOptions& options, bool showsProgress)
        : part(context, options, showsProgress)
    {}

    PartContext part;
    std::optional<PersonPass> pass;
    bool complete = true;
};

PersonRange rangeOf(const ReadContext& context, const std::vector<PersonSplit>& splits, size_t k,
                    size_t first)
{
    PersonRange range;
    if (k > 0) {
        range.start = splits[k - 1].start;
        range.firstRecord = first + size_t(splits[k - 1].personsBefore);
    } else {
        range.firstRecord = first;
    }
    range.end = k < splits.size() ? splits[k].start.offset : qsizetype(context.bytes.size());
    return range;
}

size_t readInOnePass(const ReadContext& context, const FamilyTable& families,
                     const NoteTable& notes, const ObjectTable& objects, PersonList& persons,
                     size_t first)
{
    const PersonRange range{{}, qsizetype(context.bytes.size()), first};
    PersonPass pass(context, families, notes, objects, persons, range);
    pass.run();
    pass.markUses();
    return pass.recordsRead();
}

} // namespace

size_t ReadPersons(const ReadContext& context, const FamilyTable& families, const NoteTable& notes,
                   const ObjectTable& objects, const std::vector<PersonSplit>& splits,
                   PersonList& persons, size_t first, const ReadOptions& options)
{
    if (splits.empty())
        return readInOnePass(context, families, notes, objects, persons, first);
    const size_t count = splits.size() + 1;
    std::vector<std::unique_ptr<Stretch>> stretches;
    for (size_t k = 0; k < count; ++k)
        stretches.push_back(std::make_unique<Stretch>(context, options, k == 0));
    RunParts(count, [&](size_t k) {
        Stretch& s = *stretches[k];
        s.pass.emplace(s.part.context, families, notes, objects, persons,
                       rangeOf(context, splits, k, first));
        s.complete = s.pass->run();
    });
    // The limits are shared by the whole file: when a stretch ran into one, or the stretches
    // took more than one pass may, the one pass decides which link or note is left out.
    qint64 childLinks = 0;
    qint64 noteChars = 0;
    bool limited = false;
    size_t used = 0;
    while (used < count && !limited) {
        const Stretch& s = *stretches[used++];
        childLinks += s.pass->childLinksUsed();
        noteChars += s.pass->noteCharsUsed();
        limited = s.pass->limitReached();
        if (!s.complete)
            break;
    }
    const PersonPass& firstPass = *stretches[0]->pass;
    if (limited || childLinks > firstPass.childLinksLimit() ||
        noteChars > firstPass.noteCharsLimit()) {
        std::fill(persons.begin() + qsizetype(first), persons.end(), TTreeData());
        return readInOnePass(context, families, notes, objects, persons, first);
    }
    size_t read = 0;
    for (size_t k = 0; k < used; ++k) {
        stretches[k]->part.handOn(context);
        stretches[k]->pass->markUses();
        read = rangeOf(context, splits, k, first).firstRecord - first +
               stretches[k]->pass->recordsRead();
    }
    return read;
}

} // namespace kinrow
