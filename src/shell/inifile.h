#pragma once

#include <QString>
#include <QStringList>

namespace kinrow {

// An INI-style file (kinrow.ini, mimeapps.list) edited line by line, so that groups, keys and
// comments it does not concern survive untouched and group names keep their spaces.
class IniFile
{
public:
    explicit IniFile(QStringList lines = {}) : lines_(std::move(lines)) {}

    static IniFile load(const QString& path);
    bool save(const QString& path) const;

    QString value(const QString& group, const QString& key) const;
    void setValue(const QString& group, const QString& key, const QString& value);
    void remove(const QString& group, const QString& key);
    const QStringList& lines() const { return lines_; }

private:
    // Index of the group's header line, -1 when absent.
    qsizetype groupLine(const QString& group) const;
    // Index of the key's line inside the group, -1 when absent.
    qsizetype keyLine(const QString& group, const QString& key) const;

    QStringList lines_;
};

} // namespace kinrow
