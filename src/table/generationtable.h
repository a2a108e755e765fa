#pragma once

#include "model/messages.h"
#include "model/person.h"
#include "table/generationrow.h"

#include <functional>
#include <vector>

namespace kinrow {

// A built table stops growing here: a family whose ancestors repeat, or whose links loop, would
// otherwise yield a number of rows that grows exponentially with the generation limit.
constexpr qsizetype kMaxGenerationRows = 5'000'000;

// The rows of the generation table as one tree: rows in pre-order with their parents, and the
// children of each row for navigation.
class GenerationTable
{
public:
    static constexpr qint32 NoParent = -1;

    qsizetype size() const { return qsizetype(rows_.size()); }
    bool empty() const { return rows_.empty(); }
    const TGenerationRow& row(qsizetype i) const { return rows_[std::size_t(i)]; }
    qint32 parent(qsizetype i) const { return parents_[std::size_t(i)]; }
    // The nesting level: 0 for the top-level rows.
    int depth(qsizetype i) const { return depths_[std::size_t(i)]; }

    // Children of row i in order, or the top-level rows for NoParent.
    qsizetype childCount(qint32 i) const;
    qint32 child(qint32 i, qsizetype n) const;
    // Position of row i among its parent's children.
    qsizetype rowInParent(qsizetype i) const { return rowInParent_[std::size_t(i)]; }
    // The row of the person the table was built for.
    qint32 currentRow() const { return currentRow_; }

    // Rows were left out because the table reached its bound.
    bool truncated() const { return truncated_; }

    // Appends a row under parent (NoParent for a top level row); returns its index. Rows must
    // come in pre-order.
    qint32 append(qint32 parent, TGenerationRow row);
    void setTruncated(bool truncated) { truncated_ = truncated; }
    void setCurrentRow(qint32 i) { currentRow_ = i; }
    // Builds the child lists once every row is in.
    void finish();

private:
    std::vector<TGenerationRow> rows_;
    std::vector<qint32> parents_;
    std::vector<qint32> depths_;
    std::vector<qint32> rowInParent_;
    std::vector<qint32> childStart_; // row i's children are children_[childStart_[i] ..]
    std::vector<qint32> children_;
    std::vector<qint32> topLevel_;
    qint32 currentRow_ = NoParent;
    bool truncated_ = false;
};

struct GenerationTableOptions
{
    int generations = 15; // the limit N, both directions
    Lang lang = Lang::Turkish;
    qsizetype maxRows = kMaxGenerationRows;
};

// The table of person recNo: the father with his ancestors, the mother with hers, then the
// person with the descendants, each side over at most options.generations generations.
GenerationTable BuildGenerationTable(const PersonList& persons, qint32 recNo,
                                     const GenerationTableOptions& options);

// The rows whose enclosing rows are all expanded, top to bottom.
std::vector<qint32> VisibleRows(const GenerationTable& table,
                                const std::function<bool(qint32 row)>& isExpanded);

// The count label: message 129 and the number of rows, with a note when the bound was reached.
QString GenerationCountText(const GenerationTable& table, Lang lang);

} // namespace kinrow
