#include "print/printdata.h"

#include "model/textrules.h"

namespace kinrow {

namespace {

const QString NoDate = QStringLiteral("----");
const QString And = QStringLiteral(" & ");

// "Given (n)" for each record number, joined; a number outside the list keeps its given name
// empty so that a damaged link still shows which number it holds.
QString RelativesText(const std::vector<QString>& givenNames, const QList<qint32>& recNos)
{
    QString text;
    for (const qint32 recNo : recNos) {
        if (!text.isEmpty())
            text += And;
        if (recNo >= 1 && std::size_t(recNo) <= givenNames.size())
            text += givenNames[std::size_t(recNo - 1)];
        text += QStringLiteral(" (") + QString::number(recNo) + QLatin1Char(')');
    }
    return text;
}

QString ParentText(const std::vector<QString>& givenNames, qint32 recNo)
{
    return recNo == 0 ? QString() : RelativesText(givenNames, {recNo});
}

} // namespace

QString BirthDeathText(double birthDate, double deathDate)
{
    if (!(birthDate + deathDate > 0))
        return {};
    return (birthDate > 0 ? FormatDateValue(birthDate) : NoDate) + And +
           (deathDate > 0 ? FormatDateValue(deathDate) : NoDate);
}

QString PrintCellText(const TPrintData& row, int column)
{
    switch (column) {
    case PrintColumnNo:
        return QString::number(row.RecNo);
    case PrintColumnGivenName:
        return row.GivenName;
    case PrintColumnSurname:
        return row.Surname;
    case PrintColumnBirthPlace:
        return row.BirthPlace;
    case PrintColumnBirthDeath:
        return row.BirthDeath;
    case PrintColumnMother:
        return row.Mother;
    case PrintColumnFather:
        return row.Father;
    case PrintColumnSpouses:
        return row.Spouses;
    case PrintColumnChildren:
        return row.Children;
    default:
        return {};
    }
}

std::vector<TPrintData> PrintRows(const PersonList& persons, Lang lang)
{
    // Every given name is cased once, then shared by the person's row and the relatives' cells.
    std::vector<QString> givenNames;
    givenNames.reserve(persons.size());
    for (const TTreeData& person : persons)
        givenNames.push_back(ProperCaseName(person.GivenName, lang));

    std::vector<TPrintData> rows(persons.size());
    for (std::size_t i = 0; i < persons.size(); ++i) {
        const TTreeData& person = persons[i];
        TPrintData& row = rows[i];
        row.RecNo = qint32(i + 1);
        row.GivenName = givenNames[i];
        row.Surname = person.Surname;
        row.BirthPlace = ProperCaseName(person.BirthPlace, lang);
        row.BirthDeath = BirthDeathText(person.BirthDate, person.DeathDate);
        row.Sex = person.Sex;
        row.Mother = ParentText(givenNames, person.MotherId);
        row.Father = ParentText(givenNames, person.FatherId);
        row.Spouses = RelativesText(givenNames, person.Spouses);
        row.Children = RelativesText(givenNames, person.Children);
    }
    return rows;
}

QList<qint32> FamilyOf(const PersonList& persons, qint32 recNo)
{
    if (recNo < 1 || std::size_t(recNo) > persons.size())
        return {};
    const TTreeData& person = persons[std::size_t(recNo - 1)];
    QList<qint32> family{recNo};
    for (const qint32 parent : {person.FatherId, person.MotherId}) {
        if (parent > 0)
            family.append(parent);
    }
    family += person.Spouses;
    family += person.Children;
    return family;
}

} // namespace kinrow
