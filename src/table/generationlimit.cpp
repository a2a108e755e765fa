#include "table/generationlimit.h"

namespace kinrow {

GenerationLimitAnswer ParseGenerationLimit(const QString& answer, int current)
{
    bool ok = false;
    int value = answer.trimmed().toInt(&ok);
    if (!ok)
        value = 0;
    if (value < 1 || value > 99)
        return {GenerationLimitAnswer::Refused, current};
    if (value == current)
        return {GenerationLimitAnswer::Unchanged, current};
    return {GenerationLimitAnswer::Changed, value};
}

QString GenerationLimitCaption(int limit, Lang lang)
{
    // Message 116 is written for the start limit; the button names the limit in force.
    QString caption = LangText(Msg::MaxGenerations, lang);
    const QString start = QString::number(kStartGenerationLimit);
    const qsizetype at = caption.indexOf(start);
    if (at >= 0)
        caption.replace(at, start.size(), QString::number(limit));
    return caption;
}

QString GenerationLimitTitle()
{
    return LangText(Msg::ProgramTitle, Lang::Turkish);
}

QString GenerationLimitPrompt()
{
    // Turkish whatever the language, as the title.
    return LangText(Msg::GenerationLimitQuestion, Lang::Turkish);
}

} // namespace kinrow
