#include "model/searchfold.h"

#include <QChar>

#include <array>
#include <cstdint>
#include <memory>

namespace kinrow {

namespace {

// Each UTF-16 unit folds to at most two units: the first in the low half, the second (or 0) in
// the high half; 0 as a whole drops the unit.
using FoldTable = std::array<std::uint32_t, 0x10000>;

std::uint32_t Pair(char16_t first, char16_t second = 0)
{
    return std::uint32_t(first) | (std::uint32_t(second) << 16);
}

// Letters with no canonical decomposition that readers still take for their base letters.
std::uint32_t Spelled(char16_t c)
{
    switch (c) {
    case 0x0131: // ı
        return Pair(u'i');
    case 0x00DF: // ß
        return Pair(u's', u's');
    case 0x00E6: // æ
        return Pair(u'a', u'e');
    case 0x0153: // œ
        return Pair(u'o', u'e');
    case 0x00F8: // ø
        return Pair(u'o');
    case 0x0111: // đ
        return Pair(u'd');
    case 0x0142: // ł
        return Pair(u'l');
    case 0x00FE: // þ
        return Pair(u't', u'h');
    case 0x00F0: // ð
        return Pair(u'd');
    case 0x0127: // ħ
        return Pair(u'h');
    case 0x0167: // ŧ
        return Pair(u't');
    case 0x03C2: // ς, the sigma that ends a Greek word
        return Pair(0x03C3);
    default:
        return 0;
    }
}

bool Vanishes(QChar c)
{
    switch (c.category()) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Other_Control:
    case QChar::Other_Format:
        return true;
    default:
        return false;
    }
}

std::uint32_t FoldUnit(char16_t unit)
{
    QChar c(unit);
    // Hangul syllables decompose into their jamo, which are not a base letter and its marks.
    const bool hangul = unit >= 0xAC00 && unit <= 0xD7A3;
    if (c.isSurrogate() || hangul)
        return Pair(unit);
    // The base letter leads a canonical decomposition (İ is I and a dot above).
    while (c.decompositionTag() == QChar::Canonical)
        c = c.decomposition().front();
    if (Vanishes(c))
        return 0;
    c = c.toLower();
    if (const std::uint32_t spelled = Spelled(c.unicode()))
        return spelled;
    return Pair(c.unicode());
}

std::unique_ptr<FoldTable> BuildTable()
{
    auto table = std::make_unique<FoldTable>();
    for (std::uint32_t u = 0; u < table->size(); ++u)
        (*table)[u] = FoldUnit(char16_t(u));
    return table;
}

const FoldTable& Table()
{
    static const std::unique_ptr<FoldTable> table = BuildTable();
    return *table;
}

} // namespace

char16_t* WriteSearchFold(QStringView text, char16_t* out)
{
    const FoldTable& table = Table();
    for (const QChar c : text) {
        const std::uint32_t folded = table[c.unicode()];
        // Writing both halves always and advancing by what they hold avoids a branch per unit.
        out[0] = char16_t(folded & 0xFFFF);
        out[1] = char16_t(folded >> 16);
        out += (out[0] != 0) + (out[1] != 0);
    }
    return out;
}

void AppendSearchFold(QStringView text, QString& out)
{
    const qsizetype start = out.size();
    out.resize(start + 2 * text.size());
    char16_t* const begin = reinterpret_cast<char16_t*>(out.data()) + start;
    out.truncate(start + (WriteSearchFold(text, begin) - begin));
}

QString SearchFold(QStringView text)
{
    QString out;
    out.reserve(text.size());
    AppendSearchFold(text, out);
    return out;
}

} // namespace kinrow
