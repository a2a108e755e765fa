#pragma once

#include "gedcom/errorsink.h"
#include "model/person.h"

#include <QByteArray>

#include <vector>

namespace kinrow {

// Gives every person its position as record number and rewrites every link to match. A link
// to a number that no person carries (or to 0 in a list) is dropped and reported, so that no
// link names a different person or lies outside 1..count. With ids, the report names a
// missing person by the file's own identifier of its number.
void RenumberPersons(PersonList& persons, ErrorSink& errors,
                     const std::vector<QByteArray>* ids = nullptr);

// A person of unknown sex takes the sex opposite to its spouses'; a parent whose sex stays
// unknown is reported.
void InferSexes(PersonList& persons, ErrorSink& errors);

} // namespace kinrow
