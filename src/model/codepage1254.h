#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace kinrow {

// The Windows-1254 (Turkish) code page, with an explicit table. Bytes the code page leaves
// undefined map to the control characters of the same value, so decoding and encoding are
// exact inverses for every byte.
QString DecodeCp1254(const char* data, qsizetype size);
inline QString DecodeCp1254(const QByteArray& bytes)
{
    return DecodeCp1254(bytes.constData(), bytes.size());
}

// Characters the code page cannot hold become '?'; *lossy (when given) tells whether any did.
QByteArray EncodeCp1254(QStringView text, bool* lossy = nullptr);

// The byte for one character, or -1 when the code page has none.
int Cp1254Byte(QChar c);
QChar Cp1254Char(unsigned char byte);

} // namespace kinrow
