#pragma once

#include "model/person.h"

#include <QRandomGenerator>

namespace kinrow::bench {

using namespace kinrow;

constexpr int DescendantCount = 1'000'000;

// Person 1 with a short pedigree and about DescendantCount descendants: every descendant
// marries someone from outside the family, couples have 0 to 4 children.
inline const kinrow::PersonList& DescendantFamily()
{
    static const PersonList persons = [] {
        static const QString names[] = {u"AHMET"_qs, u"AYŞE"_qs,   u"MEHMET"_qs,  u"FATMA"_qs,
                                        u"ALİ"_qs,   u"ZEYNEP"_qs, u"HÜSEYİN"_qs, u"EMİNE"_qs};
        static const QString places[] = {u"İZMİR"_qs, u"ÜSKÜDAR, İSTANBUL"_qs, u"ÇORUM"_qs};
        QRandomGenerator random(7);
        PersonList list;
        list.reserve(std::size_t(DescendantCount) * 2 + 64);
        auto add = [&](char sex) {
            TTreeData p;
            p.Id = qint32(list.size()) + 1;
            p.Sex = sex;
            p.GivenName = names[random.bounded(4) * 2 + (sex == SexFemale ? 1 : 0)];
            p.Surname = u"YILMAZ"_qs;
            p.BirthPlace = places[random.bounded(3)];
            p.BirthDate = 1700 + random.bounded(300);
            if (random.bounded(2) == 0)
                p.DeathDate = 2440000 + random.bounded(100000);
            list.push_back(p);
            return p.Id;
        };
        auto at = [&](qint32 n) -> TTreeData& { return list[std::size_t(n - 1)]; };
        auto link = [&](qint32 child, qint32 mother, qint32 father) {
            at(child).MotherId = mother;
            at(child).FatherId = father;
            at(mother).Children.append(child);
            at(father).Children.append(child);
        };
        add(SexMale);
        // Six generations of full pedigree above person 1.
        std::vector<qint32> generation{1};
        for (int g = 0; g < 6; ++g) {
            std::vector<qint32> parents;
            for (qint32 child : generation) {
                const qint32 father = add(SexMale);
                const qint32 mother = add(SexFemale);
                at(father).Spouses.append(mother);
                at(mother).Spouses.append(father);
                link(child, mother, father);
                parents.push_back(father);
                parents.push_back(mother);
            }
            generation = parents;
        }
        std::vector<qint32> queue{1};
        int descendants = 0;
        for (std::size_t i = 0; i < queue.size() && descendants < DescendantCount; ++i) {
            const qint32 parent = queue[i];
            const bool man = at(parent).Sex == SexMale;
            const qint32 spouse = add(man ? SexFemale : SexMale);
            at(parent).Spouses.append(spouse);
            at(spouse).Spouses.append(parent);
            const int children = i < 20 ? 3 : int(random.bounded(5));
            for (int c = 0; c < children && descendants < DescendantCount; ++c, ++descendants) {
                const qint32 child = add(random.bounded(2) ? SexMale : SexFemale);
                link(child, man ? spouse : parent, man ? parent : spouse);
                queue.push_back(child);
            }
        }
        return list;
    }();
    return persons;
}

} // namespace kinrow::bench
