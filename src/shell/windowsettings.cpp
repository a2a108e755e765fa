#include "shell/windowsettings.h"

#include "model/messages.h"
#include "model/session.h"
#include "shell/programfont.h"
#include "shell/samplefamily.h"
#include "shell/settings.h"
#include "ui/prompts.h"

#include <QDir>
#include <QFileInfo>

namespace kinrow {

void WindowSettings::read(const QStringList& arguments, const QString& fontName)
{
    path_ = SettingsFilePath();
    const bool firstStart = !QFileInfo::exists(path_);
    const LastValues values = ReadLastValues(path_, fontName, ProgramFont::TurkishCharSet);
    session_.setRecNoMain(values.recNoMain);
    session_.familyFileName = StartupFamily(arguments, values.gedFile, firstStart);
    session_.setLang(values.language == 0 ? Lang::Turkish : Lang::English);
    font_.start(values.fontName, values.fontCharSet);
}

void WindowSettings::write()
{
    LastValues values;
    values.recNoMain = session_.recNoMain();
    values.gedFile = session_.familyFileName;
    values.language = int(session_.lang());
    const Lang lang = session_.lang();
    if (!WriteLastValues(path_, values))
        prompts_.message(MessageKind::Warning,
                         LangText(Msg::SettingsNotWritten, lang) + QDir::toNativeSeparators(path_));
    if (font_.changed() &&
        prompts_.message(MessageKind::Warning, LangText(Msg::KeepFontQuestion, lang),
                         MessageButtons::YesNo) == PromptAnswer::Yes)
        WriteFontValues(path_, font_.name(), font_.charSet());
}

} // namespace kinrow
