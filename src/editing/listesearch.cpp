#include "editing/listesearch.h"

#include "editing/listedata.h"
#include "editing/listparts.h"
#include "model/searchfold.h"
#include "model/textrules.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace kinrow {

namespace {

constexpr char16_t FieldEnd = u'\0';
// Room for a year alone and the three field ends.
constexpr std::size_t YearAndEnds = 8;

bool IsYearAlone(double date)
{
    return date > 0 && date < 10000;
}

// Writes a year alone, the usual birth date, without a temporary string.
char16_t* WriteYearAlone(double date, char16_t* out)
{
    char16_t digits[4];
    int n = 0;
    for (auto year = int(std::trunc(date)); n == 0 || year > 0; year /= 10)
        digits[n++] = char16_t(u'0' + year % 10);
    while (n > 0)
        *out++ = digits[--n];
    return out;
}

} // namespace

QString BirthYearText(double birthDate)
{
    const QString date = FormatDateValue(birthDate);
    return date.mid(date.lastIndexOf(QLatin1Char(' ')) + 1);
}

void ListeSearchIndex::build(const PersonList& persons, const std::vector<TListeData>& rows)
{
    clear();
    rowCount_ = rows.size();
    static_assert(ListParts.most <= std::tuple_size_v<decltype(segments_)>);
    parts_ = PartCount(rows.size(), ListParts);
    for (std::size_t p = 0; p < parts_; ++p)
        segments_[p].firstRow = PartStart(rows.size(), parts_, p);
    RunParts(parts_, [&](std::size_t p) {
        buildSegment(segments_[p], persons, rows,
                     p + 1 < parts_ ? segments_[p + 1].firstRow : rows.size());
    });
}

void ListeSearchIndex::buildSegment(Segment& segment, const PersonList& persons,
                                    const std::vector<TListeData>& rows, std::size_t end)
{
    std::u16string& text = segment.text;
    segment.rowStart.reserve(end - segment.firstRow + 1);
    std::size_t used = 0;
    for (std::size_t r = segment.firstRow; r < end; ++r) {
        segment.rowStart.push_back(used);
        const qint32 no = rows[r].No;
        // Rows are built from the list, but a stale number must never read past it.
        const TTreeData* person =
            no >= 1 && std::size_t(no) <= persons.size() ? &persons[std::size_t(no - 1)] : nullptr;
        const bool yearAlone = person && IsYearAlone(person->BirthDate);
        const QString year = person && !yearAlone ? BirthYearText(person->BirthDate) : QString();
        const std::size_t room =
            person ? 2 * std::size_t(person->GivenName.size() + person->Surname.size()) +
                         std::size_t(year.size())
                   : 0;
        if (used + room + YearAndEnds > text.size())
            text.resize(std::max(2 * text.size(), used + room + YearAndEnds));
        char16_t* out = text.data() + used;
        if (person) {
            out = WriteSearchFold(person->GivenName, out);
            *out++ = FieldEnd;
            out = WriteSearchFold(person->Surname, out);
            *out++ = FieldEnd;
            out = yearAlone ? WriteYearAlone(person->BirthDate, out)
                            : std::copy(year.utf16(), year.utf16() + year.size(), out);
        }
        *out++ = FieldEnd;
        used = std::size_t(out - text.data());
    }
    segment.rowStart.push_back(used);
    text.resize(used);
}

void ListeSearchIndex::clear()
{
    segments_ = {};
    parts_ = 0;
    rowCount_ = 0;
}

void ListeSearchIndex::find(QStringView typed, std::vector<std::uint8_t>& match) const
{
    // A row matches when each word of the text is found in one of its fields ("ahmet yilmaz"
    // finds Ahmet Yılmaz): the words are searched one after the other, each among the rows the
    // words before it left.
    QStringList words;
    for (const QStringView word : typed.split(u' ', Qt::SkipEmptyParts)) {
        QString folded = SearchFold(word);
        if (!folded.isEmpty())
            words.append(std::move(folded));
    }
    match.assign(rowCount_, words.isEmpty() ? 1 : 0);
    if (words.isEmpty())
        return;
    RunParts(parts_, [&](std::size_t p) { findIn(segments_[p], words.front(), match); });
    std::vector<std::uint8_t> also;
    for (qsizetype w = 1; w < words.size(); ++w) {
        also.assign(rowCount_, 0);
        RunParts(parts_, [&](std::size_t p) { findIn(segments_[p], words[w], also); });
        for (std::size_t r = 0; r < rowCount_; ++r)
            match[r] &= also[r];
    }
}

void ListeSearchIndex::findIn(const Segment& segment, QStringView folded,
                              std::vector<std::uint8_t>& match)
{
    const QStringView text(segment.text.data(), qsizetype(segment.text.size()));
    qsizetype from = 0;
    std::size_t row = 0;
    while (true) {
        const qsizetype hit = text.indexOf(folded, from);
        if (hit < 0)
            return;
        // Hits come in text order, so the row only moves forward.
        while (segment.rowStart[row + 1] <= std::size_t(hit))
            ++row;
        match[segment.firstRow + row] = 1;
        from = qsizetype(segment.rowStart[row + 1]);
    }
}

} // namespace kinrow
