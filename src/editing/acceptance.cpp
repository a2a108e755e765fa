#include "editing/acceptance.h"

#include "editing/recordaccess.h"
#include "model/editmode.h"
#include "model/messages.h"
#include "model/textrules.h"

namespace kinrow {

namespace {

bool IsTrimmed(QChar c)
{
    return c.unicode() <= 0x20;
}

QString TrimField(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsTrimmed(text.at(begin)))
        ++begin;
    while (end > begin && IsTrimmed(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

// The letters of the Turkish alphabet; of the other letters of code page 1254 none (Â, É and
// the like are advised against, as always); of every other script each letter that is not
// lower case (Ł, Σ, Ж, and the letters of scripts without case, such as 李 or ع).
bool IsUpperCaseLetter(char32_t u)
{
    if ((u >= u'A' && u <= u'Z') || u == u'Ç' || u == u'Ğ' || u == u'Ö' || u == u'Ü' || u == u'İ' ||
        u == u'Ş')
        return true;
    if (u < 0x10000 && IsRepresentable1254(QChar(char16_t(u))))
        return false;
    return QChar::isLetter(u) && !QChar::isLower(u);
}

TTreeData RecordFromForm(qint32 id, const PersonForm& form)
{
    TTreeData p;
    p.Id = id;
    p.GivenName = form.GivenName;
    p.Surname = form.Surname;
    p.BirthPlace = form.BirthPlace;
    p.BirthDate = ParseDateText(form.BirthDateText);
    p.DeathDate = ParseDateText(form.DeathDateText);
    p.MotherId = form.MotherId;
    p.FatherId = form.FatherId;
    p.Sex = SexFromTag(form.SexTag);
    p.Notes = IsNotesPlaceholder(form.Notes) ? QString() : form.Notes;
    p.Spouses = form.Spouses;
    p.Children = form.Children;
    return p;
}

void LinkToAnchor(PersonList& persons, qint32 anchor, EditMode editMode, qint32 n)
{
    TTreeData* a = RecordAt(persons, anchor);
    if (!a)
        return;
    const TTreeData& added = persons[static_cast<size_t>(n) - 1];
    if (editMode == EditMode::Mother) {
        a->MotherId = n;
        if (TTreeData* father = RecordAt(persons, a->FatherId))
            father->Spouses.append(n);
    } else if (editMode == EditMode::Father) {
        a->FatherId = n;
        if (TTreeData* mother = RecordAt(persons, a->MotherId))
            mother->Spouses.append(n);
    } else if (editMode == EditMode::Spouse) {
        a->Spouses.append(n);
        QList<qint32> linked;
        for (qint32 c : a->Children) {
            TTreeData* child = RecordAt(persons, c);
            if (!child)
                continue;
            if (added.Sex == SexMale && child->FatherId == 0)
                child->FatherId = n;
            else if (added.Sex == SexFemale && child->MotherId == 0)
                child->MotherId = n;
            else
                continue;
            linked.append(c);
        }
        // The form listed the children before its sex could change; only the ones linked
        // here are the new spouse's, or the two sides of a link would disagree.
        QList<qint32>& children = persons[static_cast<size_t>(n) - 1].Children;
        children.removeIf([&linked](qint32 c) { return !linked.contains(c); });
    } else if (editMode == EditMode::Child) {
        a->Children.append(n);
        qint32 other = 0;
        if (a->Sex == SexMale)
            other = added.MotherId;
        else if (a->Sex == SexFemale)
            other = added.FatherId;
        if (TTreeData* otherParent = RecordAt(persons, other))
            otherParent->Children.append(n);
    }
}

void CorrectRecord(TTreeData& p, const PersonForm& form)
{
    const TTreeData fromForm = RecordFromForm(p.Id, form);
    p.GivenName = fromForm.GivenName;
    p.Surname = fromForm.Surname;
    p.BirthPlace = fromForm.BirthPlace;
    // A date the user changed is the user's own, no longer the file's qualified one.
    if (p.BirthDate != fromForm.BirthDate)
        p.BirthQualifier = DateQualifier::None;
    if (p.DeathDate != fromForm.DeathDate)
        p.DeathQualifier = DateQualifier::None;
    p.BirthDate = fromForm.BirthDate;
    p.DeathDate = fromForm.DeathDate;
    p.Sex = fromForm.Sex;
    p.Notes = fromForm.Notes;
}

} // namespace

char SexFromTag(int sexTag)
{
    return sexTag == 1 ? SexMale : SexFemale;
}

void TrimNameFields(PersonForm& form)
{
    form.GivenName = TrimField(form.GivenName);
    form.Surname = TrimField(form.Surname);
    form.BirthPlace = TrimField(form.BirthPlace);
}

QString SurnameOddCharacters(const QString& surname)
{
    QString collected;
    for (const char32_t u : surname.toUcs4()) {
        if (!IsUpperCaseLetter(u))
            collected += QString::fromUcs4(&u, 1) + QLatin1Char(' ');
    }
    return collected;
}

QString SurnameAdviceText(const QString& surname, Lang lang)
{
    const QString collected = SurnameOddCharacters(surname);
    if (collected.isEmpty())
        return {};
    return QLatin1Char('<') + collected + QStringLiteral(">\r\r") +
           LangText(Msg::SurnameAdvice, lang);
}

bool IsNotesPlaceholder(const QString& notes)
{
    return notes == u"Kısa Notlar : " || notes == u"Short Notes : ";
}

std::optional<Msg> UnreadableDateField(const PersonForm& form)
{
    const auto unreadable = [](const QString& text) {
        return !text.trimmed().isEmpty() && FormatDateValue(ParseDateText(text)).isEmpty();
    };
    if (unreadable(form.BirthDateText))
        return Msg::BirthDate;
    if (unreadable(form.DeathDateText))
        return Msg::DeathDate;
    return std::nullopt;
}

QString UnreadableDateText(Msg field, const QString& text, Lang lang)
{
    return LangText(field, lang) + QStringLiteral(" : ") + text + QStringLiteral("\r\r") +
           LangText(Msg::DateNotUnderstood, lang);
}

qint32 FindSameName(const PersonList& persons, const QString& givenName, const QString& surname)
{
    for (size_t i = 0; i < persons.size(); ++i) {
        if (persons[i].GivenName == givenName && persons[i].Surname == surname)
            return qint32(i + 1);
    }
    return 0;
}

qint32 ApplyAcceptedForm(PersonList& persons, qint32 anchor, EditMode editMode,
                         const PersonForm& form)
{
    if (IsAddingMode(editMode)) {
        const qint32 n = qint32(persons.size()) + 1;
        persons.push_back(RecordFromForm(n, form));
        LinkToAnchor(persons, anchor, editMode, n);
        return n;
    }
    if (editMode == EditMode::Correct) {
        TTreeData* p = RecordAt(persons, anchor);
        if (!p)
            return 0;
        CorrectRecord(*p, form);
        return anchor;
    }
    return 0;
}

} // namespace kinrow
