#include "shell/settings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace kinrow {

namespace {

const QString Section = QStringLiteral("Last Values");

int ReadInt(const QSettings& settings, const char* key, int fallback)
{
    bool ok = false;
    const int value = settings.value(QLatin1String(key)).toInt(&ok);
    return ok ? value : fallback;
}

bool Finish(QSettings& settings)
{
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
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
    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup(Section);
    LastValues values;
    values.recNoMain = ReadInt(settings, LastValues::RecNoMain.name, values.recNoMain);
    values.gedFile =
        settings.value(QLatin1String(LastValues::GedFile.name), values.gedFile).toString();
    values.language = ReadInt(settings, LastValues::Language.name, values.language);
    if (values.language != 0 && values.language != 1)
        values.language = LastValues::Language.defaultValue;
    values.fontName =
        settings.value(QLatin1String(LastValues::FontName), defaultFontName).toString();
    values.fontCharSet = ReadInt(settings, LastValues::FontCharSet, defaultFontCharSet);
    if (values.fontCharSet < 0 || values.fontCharSet > 255)
        values.fontCharSet = defaultFontCharSet;
    settings.endGroup();
    return values;
}

bool WriteLastValues(const QString& path, const LastValues& values)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup(Section);
    settings.setValue(QLatin1String(LastValues::RecNoMain.name), values.recNoMain);
    settings.setValue(QLatin1String(LastValues::GedFile.name), values.gedFile);
    settings.setValue(QLatin1String(LastValues::Language.name), values.language);
    return Finish(settings);
}

bool WriteFontValues(const QString& path, const QString& fontName, int fontCharSet)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup(Section);
    settings.setValue(QLatin1String(LastValues::FontName), fontName);
    settings.setValue(QLatin1String(LastValues::FontCharSet), fontCharSet);
    return Finish(settings);
}

} // namespace kinrow
