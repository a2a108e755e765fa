#pragma once

#include <QString>
#include <QStringView>

namespace kinrow {

// Search form of a text: lower case without diacritics in every script (the base letter of a
// canonical decomposition), the Turkish dotted and dotless i both plain i, a few letters without
// a decomposition spelled out (ß ss, æ ae, œ oe, þ th, ø o, đ ð d, ł l, ħ h, ŧ t, Greek final
// ς as σ); combining marks and control characters vanish. Texts that differ only in these ways
// fold alike, so a name can be found from any keyboard. Scripts are not transliterated: Greek
// letters are found by Greek letters.
QString SearchFold(QStringView text);
// Appends the search form of text to out.
void AppendSearchFold(QStringView text, QString& out);
// Writes the search form of text at out, which must have room for twice its size; returns the
// end of what was written.
char16_t* WriteSearchFold(QStringView text, char16_t* out);

} // namespace kinrow
