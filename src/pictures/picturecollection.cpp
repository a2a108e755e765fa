#include "pictures/picturecollection.h"

#include "model/familychange.h"
#include "model/picturepaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QTemporaryFile>

#include <optional>

namespace kinrow {

namespace {

// One walk over the entries: what each source became, and which sources may go.
class Collector
{
public:
    Collector(const QString& folder, bool move)
        : dir_(folder), folder_(folder), folderText_(PictureSeparators(folder)),
          folderCanonical_(QFileInfo(folder).canonicalFilePath()), move_(move)
    {}

    void collect(QString& entry);

    PictureCollectionResult result;

private:
    QString canonical(const QString& entry) const
    {
        if (IsDriveLetterPath(entry))
            return QString();
        return QFileInfo(dir_.absoluteFilePath(PictureSeparators(entry))).canonicalFilePath();
    }
    std::optional<QString> copyIn(const QString& source, const QString& name);

    QDir dir_;
    QString folder_;
    QString folderText_;
    QString folderCanonical_;
    bool move_;
    QHash<QString, QString> copies_; // canonical source -> name in the folder
};

// Whether a name in the folder is taken, also by a link that leads nowhere.
bool Taken(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

void Collector::collect(QString& entry)
{
    const QString slashed = PictureSeparators(entry);
    const qsizetype slash = slashed.lastIndexOf(u'/');
    if (slash < 0 || slashed.left(slash) == folderText_)
        return;
    const QString source = canonical(entry);
    // A source that does not exist, names no file here or is no regular file (a folder, a
    // FIFO, a device) cannot be copied.
    if (source.isEmpty() || !QFileInfo(source).isFile()) {
        result.failed.append(entry);
        return;
    }
    // Already in the folder under another spelling: nothing to copy, nothing to delete.
    if (QFileInfo(source).absolutePath() == folderCanonical_)
        return;
    // Every entry naming this source ends on the one copy made for the first. The copy takes
    // the entry's own name: through a link, that is the link's name, not its target's.
    const QString own = slashed.mid(slash + 1);
    std::optional<QString> name =
        copies_.contains(source) ? copies_.value(source) : copyIn(source, own);
    if (!name) {
        result.failed.append(entry);
        return;
    }
    copies_.insert(source, *name);
    if (move_) {
        const QString moved = PictureDeletionName(entry, folder_);
        if (!moved.isEmpty() && !result.movable.contains(moved))
            result.movable.append(moved);
    }
    entry = *name;
    ++result.copied;
    result.changed = true;
}

std::optional<QString> Collector::copyIn(const QString& source, const QString& own)
{
    QString name = own.isEmpty() ? QFileInfo(source).fileName() : own;
    while (Taken(dir_.filePath(name))) {
        if (SameFileContent(source, dir_.filePath(name)))
            return name; // the very picture is there already
        name.prepend(u'X');
    }
    if (!CopyRegularFile(source, dir_.filePath(name)))
        return std::nullopt;
    return name;
}

} // namespace

bool CopyRegularFile(const QString& source, const QString& target)
{
    QFile in;
    if (!OpenRegularFile(in, source))
        return false;
    // Written under a short passing name beside the target, which a name near the longest a
    // folder allows leaves room for, and renamed into place only when complete; the rename
    // never replaces a file that appeared meanwhile.
    QTemporaryFile out(QFileInfo(target).absolutePath() + QStringLiteral("/.kinrow-copy-XXXXXX"));
    if (!out.open())
        return false;
    constexpr qint64 Chunk = 1 << 20;
    while (!in.atEnd()) {
        const QByteArray piece = in.read(Chunk);
        if (piece.isEmpty() || out.write(piece) != piece.size())
            return false;
    }
    if (!out.flush() || !out.rename(target))
        return false;
    out.setAutoRemove(false);
    out.setPermissions(in.permissions());
    return true;
}

bool SameFileContent(const QString& first, const QString& second)
{
    QFile a;
    QFile b;
    if (!OpenRegularFile(a, first) || !OpenRegularFile(b, second) || a.size() != b.size())
        return false;
    constexpr qint64 Chunk = 1 << 16;
    while (!a.atEnd()) {
        if (a.read(Chunk) != b.read(Chunk))
            return false;
    }
    return b.atEnd();
}

PictureCollectionResult CollectPictures(PersonList& persons, const QList<qint32>& recNos,
                                        const QString& folder, bool move)
{
    Collector collector(folder, move);
    for (const qint32 recNo : recNos) {
        if (recNo < 1 || size_t(recNo) > persons.size())
            continue;
        for (QString& entry : persons[size_t(recNo - 1)].Pictures)
            collector.collect(entry);
    }
    return collector.result;
}

QStringList DeleteMovedSources(const PersonList& persons, const QStringList& folders,
                               const QStringList& movable)
{
    QStringList deleted;
    if (movable.isEmpty())
        return deleted;
    // Every name through which an entry still reaches its file, resolved as the family does.
    QSet<QString> named;
    for (const TTreeData& person : persons) {
        for (const QString& entry : person.Pictures) {
            for (const QString& folder : folders) {
                for (const QString& name : PictureFileReach(entry, folder))
                    named.insert(name);
            }
        }
    }
    for (const QString& source : movable) {
        if (!named.contains(source) && QFile::remove(source))
            deleted.append(source);
    }
    return deleted;
}

PictureCollectionResult CollectFamilyPictures(Session& session, const QList<qint32>& recNos,
                                              const QString& folder, bool move)
{
    // Only persons with pictures can change; the others are left out of the step.
    std::vector<qint32> touched;
    for (const qint32 recNo : recNos) {
        if (session.isRecord(recNo) && !session.record(recNo).Pictures.isEmpty())
            touched.push_back(recNo);
    }
    FamilyChange change(session, StepKind::CollectPictures, std::move(touched));
    PictureCollectionResult result = CollectPictures(change.persons(), recNos, folder, move);
    if (result.changed)
        change.commit();
    return result;
}

} // namespace kinrow
