#pragma once

#include <QString>

namespace kinrow {

// What a file on disk was at one moment: whether it existed, its size, its modification time
// and its inode. A save by another window or program changes at least one of them, as every
// save puts a new file in place.
struct FileStamp
{
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedNs = 0; // nanoseconds since the epoch
    quint64 inode = 0;

    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file at path now (of a link's target).
FileStamp StampOf(const QString& path);

// Whether the file at path differs from what stamp recorded.
inline bool ChangedSince(const QString& path, const FileStamp& stamp)
{
    return StampOf(path) != stamp;
}

} // namespace kinrow
