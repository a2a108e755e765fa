#pragma once

#include <QString>
#include <QStringView>

namespace kinrow {

// Search form of a text: lower case without diacritics, the Turkish dotted and dotless i both
// plain i, a few letters without a decomposition spelled out (ß ss, æ ae, œ oe, ø o, đ d, ł l);
// combining marks and control characters vanish. Texts that differ only in these ways fold
// alike, so a name can be found from any keyboard.
QString SearchFold(QStringView text);
// Appends the search form of text to out.
void AppendSearchFold(QStringView text, QString& out);
// Writes the search form of text at out, which must have room for twice its size; returns the
// end of what was written.
char16_t* WriteSearchFold(QStringView text, char16_t* out);

} // namespace kinrow
