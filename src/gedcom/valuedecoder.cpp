#include "gedcom/valuedecoder.h"

#include "model/codepage1254.h"
#include "model/textrules.h"

#include <algorithm>

namespace kinrow {

namespace {

bool isContinuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

ValueDecoder::ValueDecoder(bool utf8, ErrorSink& errors) : utf8_(utf8), errors_(errors)
{
    for (int b = 0; b < 256; ++b) {
        const QChar c = Cp1254Char(static_cast<unsigned char>(b));
        plain_[b] = c.unicode();
        // Names of other programs' files come out as the user would have typed them.
        upper_[b] = UpperCaseTyped(c, errors.lang()).unicode();
    }
}

qsizetype ValueDecoder::byteOffset(std::string_view bytes, qsizetype chars) const
{
    const auto size = qsizetype(bytes.size());
    if (!utf8_)
        return qMin(chars, size);
    qsizetype pos = 0;
    for (qsizetype seen = 0; pos < size && seen < chars; ++seen) {
        ++pos;
        while (pos < size && isContinuation(bytes[size_t(pos)]))
            ++pos;
    }
    return pos;
}

std::string_view ValueDecoder::from(std::string_view bytes, qsizetype position) const
{
    return bytes.substr(size_t(byteOffset(bytes, qMax<qsizetype>(0, position - 1))));
}

std::string_view ValueDecoder::left(std::string_view bytes, qsizetype count) const
{
    return bytes.substr(0, size_t(byteOffset(bytes, count)));
}

qsizetype ValueDecoder::length(std::string_view bytes) const
{
    if (!utf8_)
        return qsizetype(bytes.size());
    qsizetype n = 0;
    for (char c : bytes)
        n += isContinuation(c) ? 0 : 1;
    return n;
}

qsizetype ValueDecoder::decodedLength(std::string_view bytes) const
{
    if (!utf8_)
        return qsizetype(bytes.size());
    // Decoding turns each invalid byte into a character of its own.
    const QString decoded = QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    qsizetype n = decoded.size();
    for (qsizetype i = 0; i + 1 < decoded.size(); ++i)
        if (decoded[i].isHighSurrogate() && decoded[i + 1].isLowSurrogate())
            --n;
    return n;
}

QString ValueDecoder::fromUtf8(std::string_view bytes)
{
    QString decoded = QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    // A letter written as base and combining mark (S and a cedilla, as ANSEL files write
    // every accented letter) is kept as the one letter it is, so that it shows, sorts, is
    // found and is saved as that letter.
    const bool combining = std::any_of(decoded.cbegin(), decoded.cend(), [](QChar c) {
        return c.unicode() >= 0x0300 && c.unicode() <= 0x036F;
    });
    if (combining)
        decoded = decoded.normalized(QString::NormalizationForm_C);
    return decoded;
}

void ValueDecoder::fill(QString& target, qsizetype at, std::string_view bytes,
                        const std::array<char16_t, 256>& table)
{
    target.resize(at + qsizetype(bytes.size()));
    QChar* d = target.data() + at;
    for (char c : bytes)
        *d++ = QChar(table[static_cast<unsigned char>(c)]);
}

void ValueDecoder::fillShared(QString& target, std::string_view bytes, bool upperCase)
{
    constexpr size_t Longest = 40;
    constexpr size_t Slots = 4096;
    if (bytes.size() > Longest) {
        fill(target, 0, bytes, upperCase ? upper_ : plain_);
        return;
    }
    if (shared_.empty())
        shared_.resize(Slots);
    quint32 hash = 2166136261u + quint32(upperCase);
    for (char c : bytes)
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    SharedValue& slot = shared_[(hash ^ (hash >> 15)) & (Slots - 1)];
    if (slot.upperCase != upperCase || slot.bytes != bytes || slot.text.isNull()) {
        slot.bytes.assign(bytes);
        slot.upperCase = upperCase;
        slot.text.clear();
        fill(slot.text, 0, bytes, upperCase ? upper_ : plain_);
    }
    target = slot.text;
}

QString ValueDecoder::text(std::string_view bytes, qint64 line)
{
    QString out;
    assign(out, bytes, line);
    return out;
}

QString ValueDecoder::upper(std::string_view bytes, qint64 line)
{
    QString out;
    assignUpper(out, bytes, line);
    return out;
}

void ValueDecoder::assign(QString& target, std::string_view bytes, qint64)
{
    if (utf8_)
        target = fromUtf8(bytes);
    else
        fill(target, 0, bytes, plain_);
}

void ValueDecoder::assignUpper(QString& target, std::string_view bytes, qint64)
{
    if (utf8_)
        target = UpperCaseTyped(fromUtf8(bytes), errors_.lang());
    else
        fillShared(target, bytes, true);
}

void ValueDecoder::appendTo(QString& target, std::string_view bytes, qint64)
{
    if (utf8_)
        target.append(fromUtf8(bytes));
    else
        fill(target, target.size(), bytes, plain_);
}

} // namespace kinrow
