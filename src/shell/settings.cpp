#include "shell/settings.h"

#include "shell/inifile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kinrow {

namespace {

const QString Section = QStringLiteral("Last Values");

int ReadInt(const IniFile& file, const char* key, int fallback)
{
    bool ok = false;
    const int value = file.value(Section, QLatin1String(key)).toInt(&ok);
    return ok ? value : fallback;
}

QString ReadText(const IniFile& file, const char* key, const QString& fallback)
{
    const QString value = file.value(Section, QLatin1String(key));
    return value.isEmpty() ? fallback : value;
}

bool Store(const QString& path, const QList<std::pair<const char*, QString>>& entries)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    IniFile file = IniFile::load(path);
    for (const auto& [key, value] : entries)
        file.setValue(Section, QLatin1String(key), value);
    return file.save(path);
}

} // namespace

QString SettingsFilePath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return QDir(folder).filePath(QStringLiteral("kinrow.ini"));
}

LastValues ReadLastValues(const QString& path, const QString& defaultFontName,
                          int defaultFontCharSet)
{
    const IniFile file = IniFile::load(path);
    LastValues values;
    values.recNoMain = ReadInt(file, LastValues::RecNoMain.name, values.recNoMain);
    values.gedFile = ReadText(file, LastValues::GedFile.name, values.gedFile);
    values.language = ReadInt(file, LastValues::Language.name, values.language);
    if (values.language != 0 && values.language != 1)
        values.language = LastValues::Language.defaultValue;
    values.fontName = ReadText(file, LastValues::FontName, defaultFontName);
    values.fontCharSet = ReadInt(file, LastValues::FontCharSet, defaultFontCharSet);
    if (values.fontCharSet < 0 || values.fontCharSet > 255)
        values.fontCharSet = defaultFontCharSet;
    return values;
}

bool WriteLastValues(const QString& path, const LastValues& values)
{
    return Store(path, {{LastValues::RecNoMain.name, QString::number(values.recNoMain)},
                        {LastValues::GedFile.name, values.gedFile},
                        {LastValues::Language.name, QString::number(values.language)}});
}

bool WriteFontValues(const QString& path, const QString& fontName, int fontCharSet)
{
    return Store(path, {{LastValues::FontName, fontName},
                        {LastValues::FontCharSet, QString::number(fontCharSet)}});
}

} // namespace kinrow
