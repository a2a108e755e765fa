#pragma once

#include "model/person.h"

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kinrow {

struct TListeData;

// The folded texts the selection list is searched in, built once each time the list is filled
// so that a keystroke costs one scan and no folding. Long lists are built and searched in two
// halves, one on each core.
class ListeSearchIndex
{
public:
    // One key per row: the person's given name, surname and birth year, folded.
    void build(const PersonList& persons, const std::vector<TListeData>& rows);
    void clear();
    std::size_t rowCount() const { return rowCount_; }

    // Sets match[i] to 1 when every blank-separated word of typed (folded here) is contained in
    // a field of row i, else to 0; every row matches an empty or blank text.
    void find(QStringView typed, std::vector<std::uint8_t>& match) const;

private:
    // The keys of a run of rows.
    struct Segment
    {
        std::size_t firstRow = 0;
        // Every field of every row, each ended by a 0, which no folded text holds.
        std::u16string text;
        // Where each row's fields start in text, and one past the last row.
        std::vector<std::size_t> rowStart;
    };

    static void buildSegment(Segment& segment, const PersonList& persons,
                             const std::vector<TListeData>& rows, std::size_t end);
    static void findIn(const Segment& segment, QStringView folded,
                       std::vector<std::uint8_t>& match);

    std::array<Segment, 2> segments_;
    std::size_t parts_ = 0;
    std::size_t rowCount_ = 0;
};

// The year of a date value as FormatDateValue writes it, empty when there is none.
QString BirthYearText(double birthDate);

} // namespace kinrow
