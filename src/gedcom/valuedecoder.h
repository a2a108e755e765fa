#pragma once

#include "gedcom/errorsink.h"

#include <QString>

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kinrow {

// Turns the bytes of the values the reader keeps into text: Windows-1254 for the program's own
// files written in it, UTF-8 for files that declare it (and for ANSEL files, rewritten to it).
// Every character is kept as read; line, the value's file line, is where a caller would report
// a problem with it.
class ValueDecoder
{
public:
    ValueDecoder(bool utf8, ErrorSink& errors);

    bool utf8() const { return utf8_; }
    QString text(std::string_view bytes, qint64 line);
    QString upper(std::string_view bytes, qint64 line);
    void appendTo(QString& target, std::string_view bytes, qint64 line);
    // The same as target = text(...) or upper(...), reusing target's memory when it can.
    void assign(QString& target, std::string_view bytes, qint64 line);
    void assignUpper(QString& target, std::string_view bytes, qint64 line);

    // The bytes from the 1-based character position on (empty when the text is shorter).
    std::string_view from(std::string_view bytes, qsizetype position) const;
    // The first count characters.
    std::string_view left(std::string_view bytes, qsizetype count) const;
    // Number of characters, counted by their first bytes, for character positions.
    qsizetype length(std::string_view bytes) const;
    // Number of characters the bytes decode to, for the line-length rule: what the values
    // of the line become, and what a save writes back.
    qsizetype decodedLength(std::string_view bytes) const;

private:
    qsizetype byteOffset(std::string_view bytes, qsizetype chars) const;
    static QString fromUtf8(std::string_view bytes);
    static void fill(QString& target, qsizetype at, std::string_view bytes,
                     const std::array<char16_t, 256>& table);
    // Short values repeat across a family (given names, surnames, places): persons share one
    // copy of each, which saves an allocation per value and most of their memory.
    void fillShared(QString& target, std::string_view bytes, bool upperCase);

    bool utf8_;
    ErrorSink& errors_;
    std::array<char16_t, 256> plain_{};
    std::array<char16_t, 256> upper_{};

    struct SharedValue
    {
        std::string bytes;
        bool upperCase = false;
        QString text;
    };
    std::vector<SharedValue> shared_;
};

} // namespace kinrow
