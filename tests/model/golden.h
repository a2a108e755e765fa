#pragma once

// Golden files: results kept in the source tree and compared byte for byte. Setting
// KINROW_WRITE_GOLDEN=1 rewrites every one of them instead; they must only ever be rewritten when
// the code is meant to change what it makes, and the change must be read before it is committed.

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

#include <gtest/gtest.h>

#include <string>

namespace kinrow::testing {

inline bool WritingGolden()
{
    return qEnvironmentVariableIntValue("KINROW_WRITE_GOLDEN") == 1;
}

// A line as it can be read in a test's output: control characters and bytes beyond ASCII
// escaped, long lines cut.
inline std::string ShownLine(const QByteArray& line)
{
    constexpr qsizetype Longest = 300;
    std::string out;
    for (qsizetype i = 0; i < line.size() && i < Longest; ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c >= 0x20 && c < 0x7f) {
            out += char(c);
        } else {
            static const char digits[] = "0123456789abcdef";
            out += "\\x";
            out += digits[c >> 4];
            out += digits[c & 15];
        }
    }
    if (line.size() > Longest)
        out += "...";
    return out;
}

// Where actual first differs from expected, by lines (cut after each line feed): the line's
// number and both texts; empty when they are the same bytes.
inline std::string FirstDifferingLine(const QByteArray& expected, const QByteArray& actual)
{
    if (expected == actual)
        return {};
    const QList<QByteArray> want = expected.split('\n');
    const QList<QByteArray> got = actual.split('\n');
    qsizetype i = 0;
    while (i < want.size() && i < got.size() && want[i] == got[i])
        ++i;
    const auto shown = [](const QList<QByteArray>& lines, qsizetype k) {
        return k < lines.size() ? "\"" + ShownLine(lines[k]) + "\"" : std::string("(no line)");
    };
    return "first difference at line " + std::to_string(i + 1) + "\n  expected: " + shown(want, i) +
           "\n  actual:   " + shown(got, i);
}

// Compares actual with the golden file at path, or writes it there when KINROW_WRITE_GOLDEN=1.
inline ::testing::AssertionResult MatchesGolden(const QString& path, const QByteArray& actual)
{
    QFile file(path);
    if (WritingGolden()) {
        if (!file.open(QIODevice::WriteOnly) || file.write(actual) != actual.size() ||
            !file.flush())
            return ::testing::AssertionFailure() << "cannot write " << path.toStdString();
        return ::testing::AssertionSuccess();
    }
    if (!file.open(QIODevice::ReadOnly))
        return ::testing::AssertionFailure() << "missing golden file " << path.toStdString()
                                             << " (KINROW_WRITE_GOLDEN=1 writes it)";
    const std::string difference = FirstDifferingLine(file.readAll(), actual);
    if (difference.empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << path.toStdString() << ": " << difference;
}

} // namespace kinrow::testing
