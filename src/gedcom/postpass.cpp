#include "gedcom/postpass.h"

#include "gedcom/numberindex.h"

namespace kinrow {

namespace {

constexpr qsizetype ProgressStep = 16384;

// Maps the file's person numbers to record numbers; 0 when no person carries the number.
class NumberMap
{
public:
    explicit NumberMap(const PersonList& persons)
    {
        const auto count = qsizetype(persons.size());
        for (qsizetype i = 0; i < count && identity_; ++i)
            identity_ = persons[size_t(i)].Id == i + 1;
        count_ = count;
        if (identity_)
            return;
        std::vector<qint32> numbers;
        numbers.reserve(size_t(count));
        for (const TTreeData& person : persons)
            numbers.push_back(person.Id);
        // The first person with a number takes it.
        positions_.build(numbers);
    }

    qint32 operator()(qint32 n) const
    {
        if (identity_)
            return n >= 1 && n <= count_ ? n : 0;
        return n == 0 ? 0 : qint32(positions_.find(n) + 1);
    }

private:
    bool identity_ = true;
    qsizetype count_ = 0;
    NumberIndex positions_;
};

// Names the file's number of a missing person, or its own identifier when it was rewritten.
class MissingReport
{
public:
    MissingReport(ErrorSink& errors, const std::vector<QByteArray>* ids)
        : errors_(errors), ids_(ids)
    {}

    void operator()(qsizetype record, qint32 number) const
    {
        const QString name = ids_ && number >= 1 && size_t(number) <= ids_->size()
                                 ? u'@' + QString::fromUtf8((*ids_)[size_t(number) - 1]) + u'@'
                                 : QString::number(number);
        errors_.droppedLine(errors_.text(Msg::PersonIdNotFound).arg(QString::number(record), name));
    }

private:
    ErrorSink& errors_;
    const std::vector<QByteArray>* ids_;
};

qint32 mapParent(const NumberMap& map, const MissingReport& report, qsizetype record, qint32 number)
{
    const qint32 mapped = map(number);
    if (mapped == 0 && number != 0)
        report(record, number);
    return mapped;
}

void mapList(const NumberMap& map, const MissingReport& report, qsizetype record,
             QList<qint32>& list)
{
    qsizetype kept = 0;
    for (qsizetype i = 0; i < list.size(); ++i) {
        const qint32 mapped = map(list[i]);
        if (mapped == 0)
            report(record, list[i]);
        else
            list[kept++] = mapped;
    }
    if (kept < list.size())
        list.resize(kept);
}

} // namespace

void RenumberPersons(PersonList& persons, ErrorSink& errors, const std::vector<QByteArray>* ids)
{
    const NumberMap map(persons);
    const MissingReport report(errors, ids);
    for (size_t i = 0; i < persons.size(); ++i) {
        TTreeData& person = persons[i];
        const auto record = qsizetype(i + 1);
        person.Id = qint32(record);
        person.MotherId = mapParent(map, report, record, person.MotherId);
        person.FatherId = mapParent(map, report, record, person.FatherId);
        mapList(map, report, record, person.Spouses);
        mapList(map, report, record, person.Children);
    }
}

void InferSexes(PersonList& persons, ErrorSink& errors)
{
    const auto count = qint64(persons.size());
    errors.progress(0, count);
    for (qint64 i = 0; i < count; ++i) {
        TTreeData& person = persons[size_t(i)];
        const bool known = person.Sex == SexMale || person.Sex == SexFemale;
        if (!known) {
            for (qint32 spouse : person.Spouses) {
                const char sex = persons[size_t(spouse - 1)].Sex;
                if (sex == SexMale)
                    person.Sex = SexFemale;
                else if (sex == SexFemale)
                    person.Sex = SexMale;
            }
        }
        if (person.Sex != SexMale && person.Sex != SexFemale && !person.Children.isEmpty())
            errors.add(errors.text(Msg::SexUndefined) + QString::number(i + 1));
        if ((i + 1) % ProgressStep == 0)
            errors.progress(i + 1, count);
    }
    errors.progress(count, count);
}

} // namespace kinrow
