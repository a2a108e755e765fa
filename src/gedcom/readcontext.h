#pragma once

#include "gedcom/errorsink.h"
#include "gedcom/linescanner.h"
#include "gedcom/valuedecoder.h"

#include <optional>
#include <string_view>

namespace kinrow {

// What every pass of one read shares: the file's lines, their decoding and the reports.
struct ReadContext
{
    std::string_view bytes; // without a byte-order mark
    qint64 lineCount = 0;
    ValueDecoder& decoder;
    ErrorSink& errors;
    QString familyFolder; // anchors picture paths

    LineScanner lines() const { return LineScanner(bytes); }
};

// A whole decimal number with an optional sign (blanks before it allowed), as a 32-bit value;
// nothing when the text is not one.
std::optional<qint32> ParseWholeNumber(std::string_view text);

// The text before the first '@' (all of it when there is none).
std::string_view BeforeAt(std::string_view text);

} // namespace kinrow
