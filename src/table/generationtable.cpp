#include "table/generationtable.h"

#include <algorithm>

namespace kinrow {

namespace {

// A row waiting on the walk's stack: it counts as added, and is appended when it is reached.
struct Pending
{
    qint32 recNo;
    qint32 parent;
    qint32 generation;
};

// Builds the rows of one table. Each person's texts are made once and shared by every row of
// that person, so a person met many times costs little.
class TableBuilder
{
public:
    TableBuilder(const PersonList& persons, const GenerationTableOptions& options)
        : persons_(persons), options_(options), firstRow_(persons.size() + 1, -1),
          onPath_(persons.size() + 1, 0),
          loopMark_(u' ' + LangText(Msg::GenerationLoopMark, options.lang))
    {}

    // The person the table is built for stands above every row: below the ancestors' rows as
    // their child, above the descendants' rows as their parent.
    void setRoot(qint32 recNo) { ++onPath_[std::size_t(recNo)]; }

    bool isRecord(qint32 recNo) const
    {
        return recNo >= 1 && std::size_t(recNo) <= persons_.size();
    }
    const TTreeData& person(qint32 recNo) const { return persons_[std::size_t(recNo - 1)]; }

    qint32 addTopLevel(qint32 recNo, qint32 generation, RowKind kind)
    {
        --reserved_;
        return addRow(GenerationTable::NoParent, recNo, generation, kind);
    }

    // The ancestors below top-level row top, walked in pre-order; parents come father first.
    void addAncestors(qint32 top)
    {
        pushParents(top);
        while (!stack_.empty()) {
            const Pending next = stack_.back();
            stack_.pop_back();
            pushParents(addRow(next.parent, next.recNo, next.generation, RowKind::Ancestor));
        }
    }

    // The descendants below the person's row, each person's children in list order.
    void addDescendants(qint32 top)
    {
        pushChildren(top);
        while (!stack_.empty()) {
            const Pending next = stack_.back();
            stack_.pop_back();
            pushChildren(addRow(next.parent, next.recNo, next.generation, RowKind::Descendant));
        }
    }

    GenerationTable take()
    {
        table_.finish();
        return std::move(table_);
    }

    GenerationTable& table() { return table_; }
    // The top-level rows still to come always find room below the bound.
    void reserveTopLevel(qsizetype count) { reserved_ = count; }

private:
    // Appends a row below parent, which is on the path, and makes the path end at the new row.
    // A person met again on the path gets a marked row and no rows below it.
    qint32 addRow(qint32 parent, qint32 recNo, qint32 generation, RowKind kind)
    {
        while (!path_.empty() && path_.back() != parent) {
            --onPath_[std::size_t(table_.row(path_.back()).RecNo)];
            path_.pop_back();
        }
        TGenerationRow row = makeRow(recNo, generation, kind);
        const qint32 index = qint32(table_.size());
        if (kind != RowKind::Current && onPath_[std::size_t(recNo)] > 0) {
            row.Loop = true;
            row.FullName += loopMark_;
            // Later rows of the person copy the first one, which must not carry the mark.
            if (firstRow_[std::size_t(recNo)] == index)
                firstRow_[std::size_t(recNo)] = -1;
        }
        table_.append(parent, std::move(row));
        path_.push_back(index);
        ++onPath_[std::size_t(recNo)];
        return index;
    }

    void pushParents(qint32 row)
    {
        if (table_.row(row).Loop)
            return;
        const TTreeData& p = person(table_.row(row).RecNo);
        const qint32 generation = table_.row(row).Generation - 1;
        if (generation < -options_.generations)
            return;
        // Pushed mother first, so that the father is reached first.
        const std::size_t at = stack_.size();
        if (isRecord(p.FatherId))
            push({p.FatherId, row, generation});
        if (isRecord(p.MotherId))
            push({p.MotherId, row, generation});
        std::reverse(stack_.begin() + qsizetype(at), stack_.end());
    }

    void pushChildren(qint32 row)
    {
        if (table_.row(row).Loop)
            return;
        const TTreeData& p = person(table_.row(row).RecNo);
        const qint32 generation = table_.row(row).Generation + 1;
        if (generation > options_.generations)
            return;
        const std::size_t at = stack_.size();
        for (qint32 child : p.Children) {
            if (isRecord(child))
                push({child, row, generation});
        }
        std::reverse(stack_.begin() + qsizetype(at), stack_.end());
    }

    void push(const Pending& pending)
    {
        if (table_.size() + qsizetype(stack_.size()) + reserved_ >= options_.maxRows) {
            table_.setTruncated(true);
            return;
        }
        stack_.push_back(pending);
    }

    TGenerationRow makeRow(qint32 recNo, qint32 generation, RowKind kind)
    {
        // A person met again copies the texts of its first row, sharing their storage.
        qint32& first = firstRow_[std::size_t(recNo)];
        TGenerationRow row;
        if (first < 0) {
            first = qint32(table_.size());
            AddGenerationRow(persons_, recNo, generation, kind, options_.lang, row);
            return row;
        }
        row = table_.row(first);
        row.Generation = generation;
        row.ImageIndex = GenerationImageIndex(kind, generation, row.SexCode);
        return row;
    }

    const PersonList& persons_;
    const GenerationTableOptions& options_;
    GenerationTable table_;
    std::vector<Pending> stack_;
    std::vector<qint32> firstRow_;
    // The rows from the top down to the row last added, and how often each person stands there.
    std::vector<qint32> path_;
    std::vector<qint32> onPath_;
    QString loopMark_;
    qsizetype reserved_ = 0;
};

} // namespace

qsizetype GenerationTable::childCount(qint32 i) const
{
    if (i == NoParent)
        return qsizetype(topLevel_.size());
    return childStart_[std::size_t(i) + 1] - childStart_[std::size_t(i)];
}

qint32 GenerationTable::child(qint32 i, qsizetype n) const
{
    if (i == NoParent)
        return topLevel_[std::size_t(n)];
    return children_[std::size_t(childStart_[std::size_t(i)] + n)];
}

qint32 GenerationTable::append(qint32 parent, TGenerationRow row)
{
    const qint32 index = qint32(rows_.size());
    rows_.push_back(std::move(row));
    parents_.push_back(parent);
    depths_.push_back(parent == NoParent ? 0 : depths_[std::size_t(parent)] + 1);
    return index;
}

void GenerationTable::finish()
{
    const std::size_t n = rows_.size();
    childStart_.assign(n + 1, 0);
    rowInParent_.assign(n, 0);
    topLevel_.clear();
    for (std::size_t i = 0; i < n; ++i) {
        if (parents_[i] != NoParent)
            ++childStart_[std::size_t(parents_[i]) + 1];
    }
    for (std::size_t i = 0; i < n; ++i)
        childStart_[i + 1] += childStart_[i];
    children_.assign(std::size_t(childStart_[n]), 0);
    std::vector<qint32> filled(n, 0);
    // Pre-order keeps every parent's children in the order they were added.
    for (std::size_t i = 0; i < n; ++i) {
        const qint32 p = parents_[i];
        if (p == NoParent) {
            rowInParent_[i] = qint32(topLevel_.size());
            topLevel_.push_back(qint32(i));
            continue;
        }
        const qint32 position = filled[std::size_t(p)]++;
        rowInParent_[i] = position;
        children_[std::size_t(childStart_[std::size_t(p)] + position)] = qint32(i);
    }
}

GenerationTable BuildGenerationTable(const PersonList& persons, qint32 recNo,
                                     const GenerationTableOptions& options)
{
    TableBuilder builder(persons, options);
    if (!builder.isRecord(recNo))
        return builder.take();
    const TTreeData& p = builder.person(recNo);
    const bool hasFather = builder.isRecord(p.FatherId);
    const bool hasMother = builder.isRecord(p.MotherId);
    builder.reserveTopLevel(1 + (hasFather ? 1 : 0) + (hasMother ? 1 : 0));
    builder.setRoot(recNo);
    if (hasFather)
        builder.addAncestors(builder.addTopLevel(p.FatherId, -1, RowKind::Ancestor));
    if (hasMother)
        builder.addAncestors(builder.addTopLevel(p.MotherId, -1, RowKind::Ancestor));
    const qint32 current = builder.addTopLevel(recNo, 0, RowKind::Current);
    builder.table().setCurrentRow(current);
    builder.addDescendants(current);
    return builder.take();
}

std::vector<qint32> VisibleRows(const GenerationTable& table,
                                const std::function<bool(qint32 row)>& isExpanded)
{
    std::vector<qint32> visible;
    visible.reserve(std::size_t(table.size()));
    qsizetype i = 0;
    const qsizetype n = table.size();
    while (i < n) {
        visible.push_back(qint32(i));
        const int depth = table.depth(i);
        const bool open = table.childCount(qint32(i)) == 0 || isExpanded(qint32(i));
        ++i;
        if (open)
            continue;
        // Skip the collapsed row's subtree: every following row deeper than it.
        while (i < n && table.depth(i) > depth)
            ++i;
    }
    return visible;
}

QString GenerationCountText(const GenerationTable& table, Lang lang)
{
    QString text = LangText(Msg::PersonsInTableLabel, lang) + QString::number(table.size());
    if (table.truncated())
        text += LangText(Msg::GenerationLimitReached, lang);
    return text;
}

} // namespace kinrow
