#pragma once

#include "model/person.h"

#include <QString>

namespace kinrow {

// The state the main window and its pages share: the open family and where the user is.
// The unsaved-changes flag is not here: it is the Tag of the save button.
struct AppState
{
    PersonList persons;
    qint32 recNoMain = 1; // the current person, 1-based
    int langIndex = 1;    // 0 Turkish, 1 English
    bool readOnlyMode = false;
    QString editMode; // what the editing state is doing; read only while it lasts
    QString familyFileName = QStringLiteral("Kinrow.ged"); // the open dialog's file name

    // Whether recNoMain names a record of the list.
    bool hasCurrent() const { return recNoMain >= 1 && std::size_t(recNoMain) <= persons.size(); }
    const TTreeData& current() const { return persons[std::size_t(recNoMain - 1)]; }
    TTreeData& current() { return persons[std::size_t(recNoMain - 1)]; }
    const TTreeData& record(qint32 n) const { return persons[std::size_t(n - 1)]; }
    TTreeData& record(qint32 n) { return persons[std::size_t(n - 1)]; }
};

} // namespace kinrow
