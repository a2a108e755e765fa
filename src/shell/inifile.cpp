#include "shell/inifile.h"

#include <QFile>
#include <QSaveFile>

namespace kinrow {

namespace {

bool IsGroupHeader(const QString& line)
{
    const QString t = line.trimmed();
    return t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']'));
}

QString KeyOf(const QString& line)
{
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    return eq < 0 ? QString() : line.left(eq).trimmed();
}

} // namespace

IniFile IniFile::load(const QString& path)
{
    QFile file(path);
    // A list far larger than any real one is not ours to edit; treat it as empty.
    constexpr qint64 MaxSize = 4 * 1024 * 1024;
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxSize)
        return IniFile();
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return IniFile(lines);
}

bool IniFile::save(const QString& path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const QString& line : lines_)
        file.write(line.toUtf8() + '\n');
    return file.commit();
}

qsizetype IniFile::groupLine(const QString& group) const
{
    const QString header = QLatin1Char('[') + group + QLatin1Char(']');
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        if (lines_[i].trimmed() == header)
            return i;
    }
    return -1;
}

qsizetype IniFile::keyLine(const QString& group, const QString& key) const
{
    const qsizetype start = groupLine(group);
    if (start < 0)
        return -1;
    for (qsizetype i = start + 1; i < lines_.size() && !IsGroupHeader(lines_[i]); ++i) {
        if (KeyOf(lines_[i]) == key)
            return i;
    }
    return -1;
}

QString IniFile::value(const QString& group, const QString& key) const
{
    const qsizetype i = keyLine(group, key);
    if (i < 0)
        return {};
    return lines_[i].mid(lines_[i].indexOf(QLatin1Char('=')) + 1).trimmed();
}

void IniFile::setValue(const QString& group, const QString& key, const QString& value)
{
    // A line break in a value would start a line of its own.
    QString flat = value;
    flat.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QString line = key + QLatin1Char('=') + flat;
    if (const qsizetype i = keyLine(group, key); i >= 0) {
        lines_[i] = line;
        return;
    }
    qsizetype start = groupLine(group);
    if (start < 0) {
        lines_.append(QLatin1Char('[') + group + QLatin1Char(']'));
        start = lines_.size() - 1;
    }
    lines_.insert(start + 1, line);
}

void IniFile::remove(const QString& group, const QString& key)
{
    if (const qsizetype i = keyLine(group, key); i >= 0)
        lines_.removeAt(i);
}

} // namespace kinrow
