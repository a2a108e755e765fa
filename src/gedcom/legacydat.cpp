#include "gedcom/legacydat.h"

#include "gedcom/legacypictureindex.h"
#include "model/codepage1254.h"
#include "model/messages.h"
#include "model/picturepaths.h"
#include "model/textrules.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <limits>

namespace kinrow {

namespace {

constexpr int GivenNameAt = 0;
constexpr int SurnameAt = 19;
constexpr int NameCapacity = 18;
constexpr int BirthPlaceAt = 38;
constexpr int BirthPlaceCapacity = 21;
constexpr int BirthDateAt = 60;
constexpr int DeathDateAt = 64;
constexpr int SexAt = 69;
constexpr int MotherAt = 70;
constexpr int FatherAt = 72;
constexpr int SpousesAt = 74;
constexpr int SpouseSlots = 10;
constexpr int ChildrenAt = 94;
constexpr int ChildSlots = 30;
constexpr int NoteAt = 154;
constexpr int NoteCapacity = 350;

constexpr qint32 YearOffset = 1000000;
// Beyond this many lines about dropped links only their number is reported, so that a hostile
// file cannot make the error list many times larger than the file itself.
constexpr qint64 MaxLinkErrorLines = 10000;

// Drops links to records the file does not have and reports each of them.
class LinkCheck
{
public:
    LinkCheck(qint64 recordCount, ErrorList& errors, Lang lang)
        : count_(recordCount), errors_(errors), lang_(lang)
    {}

    bool keep(qint64 record, quint16 link)
    {
        if (link <= count_)
            return true;
        if (++dropped_ <= MaxLinkErrorLines)
            errors_.lines.append(LangText(Msg::LinkedRecordWrong, lang_).arg(record).arg(link));
        return false;
    }

    void finish()
    {
        if (dropped_ > MaxLinkErrorLines)
            errors_.lines.append(
                LangText(Msg::MoreWrongLinks, lang_).arg(dropped_ - MaxLinkErrorLines));
    }

private:
    qint64 count_;
    ErrorList& errors_;
    Lang lang_;
    qint64 dropped_ = 0;
};

// A picture whose entry a family file cannot hold is left out and named: saved, it would
// make a file that cannot be opened again.
void dropLongPictureNames(qint64 record, QStringList& pictures, ErrorList& errors, Lang lang)
{
    pictures.removeIf([&](const QString& entry) {
        if (PictureEntryFits(entry))
            return false;
        const QString number = QString::number(record) + QStringLiteral(" - ") + entry;
        errors.lines.append(LangText(Msg::PictureNameTooLong, lang) + number);
        return true;
    });
}

QString FieldText(const char* record, int at, int capacity)
{
    const int length = qMin(int(uchar(record[at])), capacity);
    QString text = DecodeCp1254(record + at + 1, length);
    // A control character in a name or place would break the family file's lines when saved.
    text.removeIf([](QChar c) { return c.unicode() < 32; });
    return text;
}

quint16 Word(const char* record, int at)
{
    return qFromLittleEndian<quint16>(record + at);
}

double LegacyDate(const char* record, int at)
{
    return ParseDateText(LegacyDateText(qFromLittleEndian<qint32>(record + at)));
}

QList<qint32> LinkList(const char* record, int at, int slots, qint64 r, LinkCheck& links)
{
    QList<qint32> list;
    for (int slot = 0; slot < slots; ++slot) {
        const quint16 link = Word(record, at + 2 * slot);
        if (link == 0)
            break;
        if (links.keep(r, link))
            list.append(link);
    }
    return list;
}

TTreeData ReadRecord(const char* record, qint64 r, LinkCheck& links)
{
    TTreeData person;
    person.Id = qint32(r);
    person.GivenName = FieldText(record, GivenNameAt, NameCapacity);
    person.Surname = FieldText(record, SurnameAt, NameCapacity);
    person.BirthPlace = FieldText(record, BirthPlaceAt, BirthPlaceCapacity);
    person.BirthDate = LegacyDate(record, BirthDateAt);
    person.DeathDate = LegacyDate(record, DeathDateAt);
    const char sex = record[SexAt];
    person.Sex = (sex == SexMale || sex == SexFemale) ? sex : '\0';
    const quint16 mother = Word(record, MotherAt);
    if (mother != 0 && links.keep(r, mother))
        person.MotherId = mother;
    const quint16 father = Word(record, FatherAt);
    if (father != 0 && links.keep(r, father))
        person.FatherId = father;
    person.Spouses = LinkList(record, SpousesAt, SpouseSlots, r, links);
    person.Children = LinkList(record, ChildrenAt, ChildSlots, r, links);
    const char* note = record + NoteAt;
    person.Notes = DecodeCp1254(note, qstrnlen(note, NoteCapacity));
    return person;
}

void Refuse(const QString& fileName, const ReadOptions& options)
{
    if (options.reporter)
        options.reporter->message(fileName + QStringLiteral("\r\r") +
                                  LangText(Msg::BadFileFormat, options.lang));
}

bool SizeAccepted(qint64 size)
{
    return size > 0 && size % LegacyRecordSize == 0 &&
           size / LegacyRecordSize <= std::numeric_limits<qint32>::max();
}

QString WithGedExtension(const QString& fileName)
{
    const qsizetype folderEnd = qMax(fileName.lastIndexOf(u'/'), fileName.lastIndexOf(u'\\'));
    const qsizetype dot = fileName.lastIndexOf(u'.');
    const QString stem = dot > folderEnd ? fileName.left(dot) : fileName;
    return stem + QStringLiteral(".ged");
}

} // namespace

QString LegacyPictureFolder(const QString& fileName)
{
    QString name = QFileInfo(fileName).fileName();
    name.chop(4);
    return QStringLiteral("img_") + name + u'/';
}

QString LegacyDateText(qint32 value)
{
    if (value == 0)
        return QString();
    if (value > YearOffset)
        return QString::number(qint64(value) - YearOffset);
    const QDate date = QDate(1899, 12, 30).addDays(value);
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        return QString();
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

bool ReadLegacyDatBytes(QByteArrayView bytes, const QString& fileName,
                        const QStringList& pictureFiles, PersonList& persons, ErrorList& errors,
                        const ReadOptions& options)
{
    persons.clear();
    if (!SizeAccepted(bytes.size())) {
        Refuse(fileName, options);
        return false;
    }
    const Lang lang = options.lang;
    errors.lines = QStringList{LangText(Msg::FileNameLabel, lang) + fileName};
    errors.visible = true;

    const qint64 count = bytes.size() / LegacyRecordSize;
    const QString folder = LegacyPictureFolder(fileName);
    LegacyPictureIndex pictures(pictureFiles, count);
    LinkCheck links(count, errors, lang);
    persons.reserve(size_t(count));
    for (qint64 r = 1; r <= count; ++r) {
        persons.push_back(ReadRecord(bytes.data() + (r - 1) * LegacyRecordSize, r, links));
        pictures.FindLegacyPictures(r, folder, persons.back().Pictures);
        dropLongPictureNames(r, persons.back().Pictures, errors, lang);
    }
    links.finish();
    errors.lines.append(LangText(Msg::DatRetired, lang));
    errors.lines.append(LangText(Msg::SavedAsGed, lang));
    return true;
}

bool ReadLegacyDat(const QString& fileName, PersonList& persons, ErrorList& errors,
                   const ReadOptions& options, QString* gedFileName)
{
    persons.clear();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || !SizeAccepted(file.size())) {
        Refuse(fileName, options);
        return false;
    }
    const qint64 size = file.size();
    QByteArray copy;
    const char* data = reinterpret_cast<const char*>(file.map(0, size));
    if (!data) {
        copy = file.readAll();
        if (copy.size() != size) {
            Refuse(fileName, options);
            return false;
        }
        data = copy.constData();
    }

    const QDir folder(QFileInfo(fileName).absolutePath() + u'/' + LegacyPictureFolder(fileName));
    const QStringList pictureFiles =
        folder.exists() ? folder.entryList(QDir::Files | QDir::Hidden, QDir::Name) : QStringList();
    const bool read = ReadLegacyDatBytes(QByteArrayView(data, size), fileName, pictureFiles,
                                         persons, errors, options);
    if (read && gedFileName)
        *gedFileName = WithGedExtension(fileName);
    return read;
}

} // namespace kinrow
