#pragma once

#include <QString>

namespace kinrow {

// The program's message table: 160 entries, each in Turkish (langIndex 0) and English (1).
constexpr int LangTableSize = 160;

// LangTable[entry][langIndex]; an entry or language out of range gives an empty text.
QString LangText(int entry, int langIndex);

} // namespace kinrow
