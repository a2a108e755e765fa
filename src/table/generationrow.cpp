#include "table/generationrow.h"

#include "model/textrules.h"

namespace kinrow {

namespace {

const TTreeData* linked(const PersonList& persons, qint32 recNo)
{
    // A link outside the list names nobody rather than reading past it.
    if (recNo < 1 || std::size_t(recNo) > persons.size())
        return nullptr;
    return &persons[std::size_t(recNo - 1)];
}

QString dateHalf(double value)
{
    return value > 0 ? FormatDateValue(value) : QStringLiteral("----");
}

} // namespace

qint16 GenerationImageIndex(RowKind kind, qint32 generation, char sex)
{
    qint16 base = 0;
    switch (kind) {
    case RowKind::Ancestor:
        base = 0;
        break;
    case RowKind::Current:
        base = 2;
        break;
    case RowKind::Descendant:
        base = generation % 2 != 0 ? 4 : 6;
        break;
    }
    if (sex == SexMale)
        return base;
    if (sex == SexFemale)
        return qint16(base + 1);
    return 0;
}

void AddGenerationRow(const PersonList& persons, qint32 recNo, qint32 generation, RowKind kind,
                      Lang lang, TGenerationRow& row)
{
    const TTreeData& p = persons[std::size_t(recNo - 1)];
    row.RecNo = recNo;
    row.Generation = generation;
    row.FullName = ProperCaseName(p.GivenName, lang);
    row.FullName.reserve(row.FullName.size() + 1 + p.Surname.size());
    row.FullName += u' ';
    row.FullName += p.Surname;
    row.Place = ProperCaseName(p.BirthPlace, lang);
    row.SexCode = p.Sex;
    row.ImageIndex = GenerationImageIndex(kind, generation, p.Sex);
    row.Dates.clear();
    if (p.BirthDate + p.DeathDate > 0)
        row.Dates = dateHalf(p.BirthDate) + QStringLiteral(" & ") + dateHalf(p.DeathDate);
    row.FatherName.clear();
    row.MotherName.clear();
    if (const TTreeData* father = p.FatherId > 0 ? linked(persons, p.FatherId) : nullptr)
        row.FatherName = ProperCaseName(father->GivenName, lang);
    if (const TTreeData* mother = p.MotherId > 0 ? linked(persons, p.MotherId) : nullptr)
        row.MotherName = ProperCaseName(mother->GivenName, lang);
    row.SpouseNames.clear();
    for (qint32 spouse : p.Spouses) {
        const TTreeData* s = linked(persons, spouse);
        if (!s)
            continue;
        if (!row.SpouseNames.isEmpty())
            row.SpouseNames += QStringLiteral(" & ");
        row.SpouseNames += ProperCaseName(s->GivenName, lang);
    }
}

} // namespace kinrow
