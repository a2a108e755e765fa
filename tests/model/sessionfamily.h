#pragma once

#include "model/session.h"

#include <utility>

namespace kinrow::test {

// Sets up the session's family for a test by changing a copy and putting it in place, as
// opening a file replaces the family: no step is recorded.
template <class Change> void EditFamily(Session& session, Change&& change)
{
    PersonList persons = session.persons();
    std::forward<Change>(change)(persons);
    session.replaceFamily(std::move(persons));
}

} // namespace kinrow::test
