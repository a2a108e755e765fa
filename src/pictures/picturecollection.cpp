#include "pictures/picturecollection.h"

#include "model/familychange.h"
#include "model/picturepaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <optional>

namespace kinrow {

namespace {

// One walk over the entries: what each source became, and which sources may go.
class Collector
{
public:
    Collector(PersonList& persons, const QString& folder, bool move)
        : persons_(persons), dir_(folder), folderText_(PictureSeparators(folder)),
          folderCanonical_(QFileInfo(folder).canonicalFilePath()), move_(move)
    {}

    void collect(QString& entry);
    void deleteMovedSources();

    PictureCollectionResult result;

private:
    QString canonical(const QString& entry) const
    {
        if (IsDriveLetterPath(entry))
            return QString();
        return QFileInfo(dir_.absoluteFilePath(PictureSeparators(entry))).canonicalFilePath();
    }
    std::optional<QString> copyIn(const QString& source);

    PersonList& persons_;
    QDir dir_;
    QString folderText_;
    QString folderCanonical_;
    bool move_;
    QHash<QString, QString> copies_; // canonical source -> name in the folder
};

void Collector::collect(QString& entry)
{
    const QString slashed = PictureSeparators(entry);
    const qsizetype slash = slashed.lastIndexOf(u'/');
    if (slash < 0 || slashed.left(slash) == folderText_)
        return;
    const QString source = canonical(entry);
    // A source that does not exist (or names no file here) cannot be copied.
    if (source.isEmpty() || !QFileInfo(source).isFile()) {
        result.failed.append(entry);
        return;
    }
    // Already in the folder under another spelling: nothing to copy, nothing to delete.
    if (QFileInfo(source).absolutePath() == folderCanonical_)
        return;
    // Every entry naming this source ends on the one copy made for the first.
    std::optional<QString> name = copies_.contains(source) ? copies_.value(source) : copyIn(source);
    if (!name) {
        result.failed.append(entry);
        return;
    }
    copies_.insert(source, *name);
    entry = *name;
    ++result.copied;
    result.changed = true;
}

std::optional<QString> Collector::copyIn(const QString& source)
{
    QString name = QFileInfo(source).fileName();
    while (QFileInfo::exists(dir_.filePath(name))) {
        if (SameFileContent(source, dir_.filePath(name)))
            return name; // the very picture is there already
        name.prepend(u'X');
    }
    if (!QFile::copy(source, dir_.filePath(name)))
        return std::nullopt;
    return name;
}

void Collector::deleteMovedSources()
{
    if (!move_ || copies_.isEmpty())
        return;
    // A source still named by any entry, of any person, stays.
    QSet<QString> named;
    for (const TTreeData& person : persons_) {
        for (const QString& entry : person.Pictures) {
            if (PictureSeparators(entry).contains(u'/'))
                named.insert(canonical(entry));
        }
    }
    for (auto it = copies_.cbegin(); it != copies_.cend(); ++it) {
        if (!named.contains(it.key()) && QFile::remove(it.key()))
            result.deleted.append(it.key());
    }
}

} // namespace

bool SameFileContent(const QString& first, const QString& second)
{
    QFile a(first);
    QFile b(second);
    if (a.size() != b.size() || !a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly))
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
    Collector collector(persons, folder, move);
    for (const qint32 recNo : recNos) {
        if (recNo < 1 || size_t(recNo) > persons.size())
            continue;
        for (QString& entry : persons[size_t(recNo - 1)].Pictures)
            collector.collect(entry);
    }
    collector.deleteMovedSources();
    return collector.result;
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
    PictureCollectionResult result = CollectPictures(session.persons, recNos, folder, move);
    if (result.changed)
        change.commit();
    return result;
}

} // namespace kinrow
