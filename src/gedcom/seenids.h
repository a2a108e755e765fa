#pragma once

#include <QSet>
#include <QtGlobal>

#include <algorithm>

namespace kinrow {

// Answers "is this number already in the list being built" for lists that only grow: a plain
// look while the list is short, a hash set once it is long, so that long lists stay linear.
class SeenIds
{
public:
    static constexpr qsizetype ShortList = 16;

    void reset()
    {
        if (active_) {
            set_.clear();
            active_ = false;
        }
    }

    bool contains(const qint32* data, qsizetype size, qint32 n)
    {
        if (!active_ && size <= ShortList)
            return std::find(data, data + size, n) != data + size;
        if (!active_) {
            set_.reserve(size * 2);
            for (qsizetype i = 0; i < size; ++i)
                set_.insert(data[i]);
            active_ = true;
        }
        return set_.contains(n);
    }

    // Tells the set about a number just appended to the list.
    void added(qint32 n)
    {
        if (active_)
            set_.insert(n);
    }

private:
    QSet<qint32> set_;
    bool active_ = false;
};

} // namespace kinrow
