#pragma once

#include "model/messages.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace kinrow {

// A family file of another program rewritten line for line into the program's dialect, so
// that the passes read it as far as the dialect reaches and line numbers still name the
// lines of the original file.
struct ForeignFile
{
    QByteArray bytes; // one line for each line of the original, LF line ends
    bool utf8 = false;
    // Error lines of the rewriting: file line and the entry of its text.
    std::vector<std::pair<qint64, Msg>> reports;
    // The file's own identifier of person number n, at n - 1.
    std::vector<QByteArray> personIds;
};

// Rewrites a file whose header names another program than KINROW in its "1 SOUR" line, on
// whichever line of the header it stands: that line becomes the second; persons, families and
// notes are numbered from 1 in order of first appearance, whatever their identifiers (0, names,
// numbers alone); ANSEL text becomes UTF-8; a line over 270 characters is skipped, or cut when
// the reader uses its value; picture records become "0 @M1@ OBJE", and pointers to them
// "1 OBJE @M1@". Nothing for the program's own files and files without header.
std::optional<ForeignFile> RewriteForeignFile(std::string_view bytes, bool utf8);

// Unicode text of ANSEL bytes: a combining mark, written before its letter, follows it.
QString DecodeAnsel(std::string_view bytes);

} // namespace kinrow
