#include "gedcom/numberindex.h"

namespace kinrow {

void NumberIndex::build(const std::vector<qint32>& numbers)
{
    // The table stays within a small multiple of the entries, whatever numbers a file uses.
    const qsizetype limit = 2 * qsizetype(numbers.size()) + 1024;
    qint32 largest = 0;
    for (qint32 n : numbers) {
        if (n > largest && n < limit)
            largest = n;
    }
    table_.assign(size_t(largest) + 1, -1);
    others_.clear();
    for (size_t i = 0; i < numbers.size(); ++i) {
        const qint32 n = numbers[i];
        if (n >= 1 && n <= largest) {
            if (table_[size_t(n)] < 0)
                table_[size_t(n)] = qsizetype(i);
        } else if (!others_.contains(n)) {
            others_.insert(n, qsizetype(i));
        }
    }
}

} // namespace kinrow
