#include "print/printdata.h"

#include "model/textrules.h"

#include <QHash>

namespace kinrow {

namespace {

const QString NoDate = QStringLiteral("----");
const QString And = QStringLiteral(" & ");

// The display texts the rows share. Equal texts are cased once and the rows hold copies of one
// string, so a million rows cost few allocations beyond their own.
class RowTexts
{
public:
    RowTexts(const PersonList& persons, Lang lang) : persons_(persons), lang_(lang)
    {
        givenNames_.reserve(persons.size());
        for (const TTreeData& person : persons)
            givenNames_.push_back(cased(person.GivenName));
        labels_.resize(persons.size());
    }

    const QString& givenName(std::size_t index) const { return givenNames_[index]; }

    QString cased(const QString& text)
    {
        auto found = cased_.constFind(text);
        if (found == cased_.constEnd())
            found = cased_.insert(text, ProperCaseName(text, lang_));
        return *found;
    }

    // "Given (n)" for each record number, joined; a number outside the list keeps its given
    // name empty so that a damaged link still shows which number it holds.
    QString relatives(const QList<qint32>& recNos)
    {
        if (recNos.size() == 1)
            return label(recNos.front());
        QString text;
        text.reserve(recNos.size() * 16);
        for (const qint32 recNo : recNos) {
            if (!text.isEmpty())
                text += And;
            text += label(recNo);
        }
        return text;
    }

    QString parent(qint32 recNo) { return recNo == 0 ? QString() : label(recNo); }

private:
    const QString& label(qint32 recNo)
    {
        const bool inList = recNo >= 1 && std::size_t(recNo) <= persons_.size();
        QString& text = inList ? labels_[std::size_t(recNo - 1)] : outside_;
        if (inList && !text.isNull())
            return text;
        const QString number = QString::number(recNo);
        const QString name = inList ? givenNames_[std::size_t(recNo - 1)] : QString();
        QString made;
        made.reserve(name.size() + number.size() + 3);
        made.append(name).append(u" (").append(number).append(u')');
        text = std::move(made);
        return text;
    }

    const PersonList& persons_;
    Lang lang_;
    QHash<QString, QString> cased_;
    std::vector<QString> givenNames_;
    std::vector<QString> labels_;
    QString outside_; // the label of a number outside the list, made afresh each time
};

} // namespace

QString BirthDeathText(double birthDate, double deathDate)
{
    if (!(birthDate + deathDate > 0))
        return {};
    const QString birth = birthDate > 0 ? FormatDateValue(birthDate) : NoDate;
    const QString death = deathDate > 0 ? FormatDateValue(deathDate) : NoDate;
    QString text;
    text.reserve(birth.size() + And.size() + death.size());
    text.append(birth).append(And).append(death);
    return text;
}

QString PrintCellText(const TPrintData& row, int column)
{
    switch (column) {
    case PrintColumnNo:
        return QString::number(row.RecNo);
    case PrintColumnGivenName:
        return row.GivenName;
    case PrintColumnSurname:
        return row.Surname;
    case PrintColumnBirthPlace:
        return row.BirthPlace;
    case PrintColumnBirthDeath:
        return row.BirthDeath;
    case PrintColumnMother:
        return row.Mother;
    case PrintColumnFather:
        return row.Father;
    case PrintColumnSpouses:
        return row.Spouses;
    case PrintColumnChildren:
        return row.Children;
    default:
        return {};
    }
}

std::vector<TPrintData> PrintRows(const PersonList& persons, Lang lang)
{
    RowTexts texts(persons, lang);
    std::vector<TPrintData> rows(persons.size());
    for (std::size_t i = 0; i < persons.size(); ++i) {
        const TTreeData& person = persons[i];
        TPrintData& row = rows[i];
        row.RecNo = qint32(i + 1);
        row.GivenName = texts.givenName(i);
        row.Surname = person.Surname;
        row.BirthPlace = texts.cased(person.BirthPlace);
        row.BirthDeath = BirthDeathText(person.BirthDate, person.DeathDate);
        row.Sex = person.Sex;
        row.Mother = texts.parent(person.MotherId);
        row.Father = texts.parent(person.FatherId);
        row.Spouses = texts.relatives(person.Spouses);
        row.Children = texts.relatives(person.Children);
    }
    return rows;
}

QList<qint32> FamilyOf(const PersonList& persons, qint32 recNo)
{
    if (recNo < 1 || std::size_t(recNo) > persons.size())
        return {};
    const TTreeData& person = persons[std::size_t(recNo - 1)];
    QList<qint32> family{recNo};
    for (const qint32 parent : {person.FatherId, person.MotherId}) {
        if (parent > 0)
            family.append(parent);
    }
    family += person.Spouses;
    family += person.Children;
    return family;
}

} // namespace kinrow
