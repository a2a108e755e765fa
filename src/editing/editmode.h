#pragma once

#include <QString>
#include <QStringView>

namespace kinrow {

// What the person form is being used for; the page keeps the text while editing and the
// acceptance rules test it by substring.
inline constexpr QStringView EditModeFirst = u"ilkEklenmektedir";
inline constexpr QStringView EditModeCorrect = u"Düzeltilmektedir";
inline constexpr QStringView EditModeMother = u"AnneEklenmektedir";
inline constexpr QStringView EditModeFather = u"BabaEklenmektedir";
inline constexpr QStringView EditModeSpouse = u"EşiEklenmektedir";
inline constexpr QStringView EditModeChild = u"ÇocuklarıEklenmektedir";

inline bool IsAddingMode(const QString& editMode)
{
    return editMode.contains(u"Eklenmektedir");
}

inline bool IsCorrectingMode(const QString& editMode)
{
    return editMode.contains(u"Düzeltilmektedir");
}

// The relative a new or existing person becomes, seen from the current person.
enum class RelativeRole
{
    Mother,
    Father,
    Spouse,
    Child
};

} // namespace kinrow
