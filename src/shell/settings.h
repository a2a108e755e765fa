#pragma once

#include <QString>

namespace kinrow {

// One key of the settings file with the value it takes when missing or unreadable.
template <typename T> struct SettingKey
{
    const char* name;
    T defaultValue;
};

// What the settings file carries from one run to the next (section "Last Values" of kinrow.ini).
struct LastValues
{
    static constexpr SettingKey<qint32> RecNoMain{"RecNoMain", 1};
    static constexpr SettingKey<const char*> GedFile{"GedFile", "Kinrow.ged"};
    static constexpr SettingKey<int> Language{"Language", 1};
    static constexpr const char* FontName = "FontName";       // default: the window's font
    static constexpr const char* FontCharSet = "FontCharSet"; // default: the window's set

    qint32 recNoMain = RecNoMain.defaultValue;
    QString gedFile = QString::fromLatin1(GedFile.defaultValue);
    int language = Language.defaultValue;
    QString fontName;
    int fontCharSet = 0;
};

// kinrow.ini in the user's application configuration folder.
QString SettingsFilePath();

// Reads the section; a missing or unreadable value takes its default, a language that selects
// no item becomes English.
LastValues ReadLastValues(const QString& path, const QString& defaultFontName,
                          int defaultFontCharSet);

// Stores the record number, family file name and language.
bool WriteLastValues(const QString& path, const LastValues& values);

// Stores the program font; only done when the user agrees to keep a changed font.
bool WriteFontValues(const QString& path, const QString& fontName, int fontCharSet);

} // namespace kinrow
