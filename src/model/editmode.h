#pragma once

#include <QString>

namespace kinrow {

// What the person form is being used for; None while the user browses.
enum class EditMode
{
    None,
    First,   // the first person of an empty file
    Correct, // the current person's own fields
    Mother,
    Father,
    Spouse,
    Child
};

inline bool IsAddingMode(EditMode mode)
{
    return mode != EditMode::None && mode != EditMode::Correct;
}

// The relative a new or existing person becomes, seen from the current person.
enum class RelativeRole
{
    Mother,
    Father,
    Spouse,
    Child
};

// The edit mode of adding a person in the given role.
inline EditMode AddingMode(RelativeRole role)
{
    switch (role) {
    case RelativeRole::Mother:
        return EditMode::Mother;
    case RelativeRole::Father:
        return EditMode::Father;
    case RelativeRole::Spouse:
        return EditMode::Spouse;
    case RelativeRole::Child:
        return EditMode::Child;
    }
    return EditMode::None;
}

} // namespace kinrow
