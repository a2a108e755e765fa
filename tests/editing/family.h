#pragma once

#include "model/person.h"

#include <QString>

namespace kinrow::test {

// Small families built link by link, both sides kept in step as the reader would.
inline PersonList Persons(int count, char sex = 'E')
{
    PersonList persons;
    for (int i = 1; i <= count; ++i) {
        TTreeData p;
        p.Id = i;
        p.GivenName = QStringLiteral("P%1").arg(i);
        p.Surname = QStringLiteral("S%1").arg(i);
        p.Sex = sex;
        persons.push_back(p);
    }
    return persons;
}

inline TTreeData& At(PersonList& persons, qint32 n)
{
    return persons[static_cast<size_t>(n) - 1];
}

inline const TTreeData& At(const PersonList& persons, qint32 n)
{
    return persons[static_cast<size_t>(n) - 1];
}

inline void Marry(PersonList& persons, qint32 a, qint32 b)
{
    AddIdOnce(b, At(persons, a).Spouses);
    AddIdOnce(a, At(persons, b).Spouses);
}

// Either parent may be 0.
inline void Child(PersonList& persons, qint32 mother, qint32 father, qint32 child)
{
    At(persons, child).MotherId = mother;
    At(persons, child).FatherId = father;
    if (mother > 0)
        AddIdOnce(child, At(persons, mother).Children);
    if (father > 0)
        AddIdOnce(child, At(persons, father).Children);
}

} // namespace kinrow::test
