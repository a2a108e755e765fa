#pragma once

#include <QHash>
#include <QtGlobal>

#include <vector>

namespace kinrow {

// Finds the first entry that carries a number: a plain table for the small positive numbers
// files normally use, a hash for the others.
class NumberIndex
{
public:
    // numbers[i] is the number of entry i; a later entry with the same number is never found.
    void build(const std::vector<qint32>& numbers);
    // Index of the first entry with number n, -1 when there is none.
    qsizetype find(qint32 n) const
    {
        if (n >= 1 && qsizetype(n) < qsizetype(table_.size()))
            return table_[size_t(n)];
        const auto it = others_.constFind(n);
        return it == others_.cend() ? -1 : *it;
    }

private:
    std::vector<qsizetype> table_;
    QHash<qint32, qsizetype> others_;
};

} // namespace kinrow
