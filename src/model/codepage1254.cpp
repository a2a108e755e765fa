#include "model/codepage1254.h"

#include <array>

namespace kinrow {

namespace {

// 0x80..0x9F of code page 1254; undefined positions keep their own value.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x008E, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x009E, 0x0178};

constexpr char16_t toUnicode(unsigned char b)
{
    if (b < 0x80)
        return b;
    if (b < 0xA0)
        return kHigh[b - 0x80];
    switch (b) {
    case 0xD0:
        return 0x011E; // Ğ
    case 0xDD:
        return 0x0130; // İ
    case 0xDE:
        return 0x015E; // Ş
    case 0xF0:
        return 0x011F; // ğ
    case 0xFD:
        return 0x0131; // ı
    case 0xFE:
        return 0x015F; // ş
    default:
        return b;
    }
}

struct Tables
{
    std::array<char16_t, 256> decode{};
    std::array<qint16, 0x10000> encode{};
    Tables()
    {
        encode.fill(-1);
        for (int b = 0; b < 256; ++b) {
            decode[b] = toUnicode(static_cast<unsigned char>(b));
            encode[decode[b]] = static_cast<qint16>(b);
        }
    }
};

const Tables& tables()
{
    static const Tables t;
    return t;
}

} // namespace

QString DecodeCp1254(const char* data, qsizetype size)
{
    const auto& dec = tables().decode;
    QString out(size, Qt::Uninitialized);
    QChar* dst = out.data();
    for (qsizetype i = 0; i < size; ++i)
        dst[i] = QChar(dec[static_cast<unsigned char>(data[i])]);
    return out;
}

QByteArray EncodeCp1254(QStringView text, bool* lossy)
{
    const auto& enc = tables().encode;
    QByteArray out(text.size(), Qt::Uninitialized);
    char* dst = out.data();
    bool lost = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qint16 b = enc[text[i].unicode()];
        if (b < 0) {
            lost = true;
            dst[i] = '?';
        } else {
            dst[i] = static_cast<char>(b);
        }
    }
    if (lossy)
        *lossy = lost;
    return out;
}

int Cp1254Byte(QChar c)
{
    return tables().encode[c.unicode()];
}

QChar Cp1254Char(unsigned char byte)
{
    return QChar(tables().decode[byte]);
}

} // namespace kinrow
