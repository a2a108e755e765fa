#pragma once

#include "model/person.h"

#include <QString>

namespace kinrow {

// A date as other programs write it, read as far as the program's dates reach.
struct FileDate
{
    enum class Kind
    {
        Exact,    // the whole date, or no date at all
        YearOnly, // a month and year, a qualified date or a range: its (first) year
        Lost      // nothing of it could be kept
    };
    double value = 0;
    Kind kind = Kind::Exact;
    // What the file said of the date's certainty ("BEF", "AFT", "ABT", "EST", a range).
    DateQualifier qualifier = DateQualifier::None;
};

// Blanks around and between the parts do not count, a one-digit day is read, and of a
// date the program cannot hold the first year from 100 to 2500 is kept.
FileDate ReadFileDate(const QString& text);

} // namespace kinrow
