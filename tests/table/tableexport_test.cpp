#include "editing/family.h"
#include "model/codepage1254.h"
#include "model/golden.h"
#include "table/generationcolumns.h"
#include "table/generationtable.h"
#include "table/tableexport.h"

#include <QLocale>
#include <QStringDecoder>

#include <gtest/gtest.h>

#include <numeric>

namespace kinrow {
namespace {

using test::At;
using test::Child;
using test::Marry;
using test::Persons;
using testing::MatchesGolden;

// A small family whose texts hold a comma, quotes, a tab and markup.
PersonList Family()
{
    PersonList persons = Persons(8);
    const char16_t* names[] = {u"MEHMET",     u"ALİ \"KOCA\"", u"AYŞE<B>", u"HASAN",
                               u"AHMET\tCAN", u"ZEYNEP",       u"EMRE",    u"CEM & CO"};
    for (qint32 n = 1; n <= 8; ++n) {
        At(persons, n).GivenName = QString::fromUtf16(names[n - 1]);
        At(persons, n).Surname = u"ÖZ"_qs;
    }
    At(persons, 1).BirthPlace = u"RİZE, ÇAYELİ"_qs;
    At(persons, 1).BirthDate = 1890;
    At(persons, 3).Sex = SexFemale;
    At(persons, 6).Sex = SexFemale;
    Child(persons, 3, 2, 1);
    Child(persons, 0, 4, 2);
    Child(persons, 0, 1, 5);
    Child(persons, 0, 1, 6);
    Child(persons, 0, 5, 7);
    Child(persons, 6, 0, 8);
    Marry(persons, 6, 8);
    return persons;
}

// The family's table with the father's and the last child's branches collapsed, "Baba" and
// "Anne" hidden and the birth place dragged before the name.
struct Exported
{
    GenerationTable table = BuildGenerationTable(Family(), 1, {15, Lang::Turkish});
    QList<GenerationColumnView> columns;
    std::unique_ptr<GenerationExportRows> rows;
    ExportStyle style = GenerationExportStyle(u"Arial"_qs, 96);

    Exported()
    {
        const QStringList headers = GenerationHeaders(Lang::Turkish);
        for (int index : {ColGeneration, ColPlace, ColFullName, ColDates, ColSpouses})
            columns.append({index, headers[index], StartColumnWidth(index)});
        std::vector<qint32> visible = VisibleRows(table, [this](qint32 row) {
            const qint32 recNo = table.row(row).RecNo;
            return recNo == 1 || recNo == 5;
        });
        QList<int> indexes;
        for (const GenerationColumnView& column : columns)
            indexes.append(column.index);
        rows = std::make_unique<GenerationExportRows>(table, std::move(visible), indexes, 1,
                                                      style.gridFont);
    }

    QByteArray bytes(ExportFormat format, QChar listSeparator = u',') const
    {
        return ExportTable(format, *rows, GenerationExportColumns(columns), style, listSeparator);
    }
};

QString GoldenPath(const char* name)
{
    return QStringLiteral(KINROW_SOURCE_DIR "/tests/table/golden/") + QString::fromLatin1(name);
}

class GoldenExport : public ::testing::TestWithParam<std::pair<ExportFormat, const char*>>
{};

TEST_P(GoldenExport, MatchesTheGoldenFile)
{
    const Exported exported;
    EXPECT_TRUE(MatchesGolden(GoldenPath(GetParam().second), exported.bytes(GetParam().first)));
}

INSTANTIATE_TEST_SUITE_P(Formats, GoldenExport,
                         ::testing::Values(std::pair{ExportFormat::Html, "table.html"},
                                           std::pair{ExportFormat::Unicode, "table.uni"},
                                           std::pair{ExportFormat::Rtf, "table.rtf"},
                                           std::pair{ExportFormat::Csv, "table.csv"},
                                           std::pair{ExportFormat::PlainText, "table.txt"}),
                         [](const auto& info) { return std::string(info.param.second).substr(6); });

QStringList Lines(const QString& text)
{
    QStringList lines = text.split(u"\r\n"_qs);
    lines.removeLast();
    return lines;
}

TEST(TableExport, QuotingOfEachTextFormat)
{
    const Exported exported;
    const QStringList csv = Lines(QString::fromLatin1(exported.bytes(ExportFormat::Csv, u',')));
    // The person's row: the place holds the list separator.
    EXPECT_EQ(csv[3], u"0,\"Rize, Çayeli\",Mehmet ÖZ,,,1890 & ----,"_qs);
    EXPECT_EQ(csv[1], u"-1,,\"Ali \"\"Koca\"\" ÖZ\",,,,"_qs);
    const QStringList txt = Lines(QString::fromLatin1(exported.bytes(ExportFormat::PlainText)));
    EXPECT_EQ(txt[4], u"1\t\t\t\"Ahmet\tCan ÖZ\"\t\t\t"_qs);
    EXPECT_EQ(txt[1], u"-1\t\t\"Ali \"\"Koca\"\" ÖZ\"\t\t\t\t"_qs);
    const QByteArray uni = exported.bytes(ExportFormat::Unicode);
    const QStringList unicode = Lines(QStringDecoder(QStringConverter::Utf16LE).decode(uni));
    EXPECT_EQ(unicode[4], u"1\t\t\t\"Ahmet\tCan ÖZ\"\t\t\t"_qs);
    EXPECT_EQ(unicode[1], u"-1\t\tAli \"Koca\" ÖZ\t\t\t\t"_qs);
    EXPECT_NE(uni.left(2), QByteArray("\xFF\xFE"));
}

TEST(TableExport, HtmlEscapesTextsAndNothingElse)
{
    const QString html = QString::fromUtf8(Exported().bytes(ExportFormat::Html));
    EXPECT_TRUE(html.contains(u">Ayşe&lt;B&gt; ÖZ</td>"_qs));
    EXPECT_TRUE(html.contains(u">Ali &quot;Koca&quot; ÖZ</td>"_qs));
    EXPECT_FALSE(html.contains(u"<b>"_qs, Qt::CaseInsensitive));
    EXPECT_TRUE(html.endsWith(u"</body></html>"_qs));
}

TEST(TableExport, FileNameRules)
{
    EXPECT_EQ(ExportFileName(u"/tmp/tablo"_qs, ExportFormat::Html), u"/tmp/tablo.html"_qs);
    EXPECT_EQ(ExportFileName(u"/tmp/tablo.htm"_qs, ExportFormat::Html), u"/tmp/tablo.htm"_qs);
    EXPECT_EQ(ExportFileName(u"/tmp/a.b/tablo"_qs, ExportFormat::Html), u"/tmp/a.b/tablo.html"_qs);
    EXPECT_EQ(ExportFileName(u"/tmp/tablo.csv"_qs, ExportFormat::PlainText), u"/tmp/tablo.txt"_qs);
    EXPECT_EQ(ExportFileName(u"/tmp/a.b/tablo"_qs, ExportFormat::Unicode),
              u"/tmp/a.b/tablo.uni"_qs);
    EXPECT_EQ(ExportFileName(u"t.x.txt"_qs, ExportFormat::Rtf), u"t.x.rtf"_qs);
    EXPECT_EQ(ExportFileName(u"t"_qs, ExportFormat::Csv), u"t.csv"_qs);
}

TEST(TableExport, RtfCellEdgesFollowTheScreensDotsPerInch)
{
    Exported exported;
    exported.style.dpi = 120;
    // 40, 120, 270, 350, 430 pixels.
    EXPECT_TRUE(
        exported.bytes(ExportFormat::Rtf)
            .contains(
                "\\trowd\\trgaph70\\cellx480\\cellx1440\\cellx3240\\cellx4200\\cellx5160\\pard"));
}

TEST(TableExport, EmptyTableHasTheHeaderOnly)
{
    const GenerationTable empty;
    const GenerationExportRows rows(empty, {}, {ColFullName}, 1, {});
    const QList<ExportColumn> columns{{u"Ad Soyad"_qs, 150, ColumnAlign::Left, true}};
    EXPECT_EQ(ExportAnsi(rows, columns, u';'), QByteArray("Ad Soyad\r\n"));
}

TEST(TableExport, CsvSeparatorFollowsTheLocalesDecimalSeparator)
{
    struct Case
    {
        QLocale locale;
        QChar separator;
        QString personRow;
    };
    const Case cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), u',',
         u"0,\"Rize, Çayeli\",Mehmet ÖZ,,,1890 & ----,"_qs},
        {QLocale(QLocale::Turkish, QLocale::Turkey), u';',
         u"0;Rize, Çayeli;Mehmet ÖZ;;;1890 & ----;"_qs},
        {QLocale(QLocale::German, QLocale::Germany), u';',
         u"0;Rize, Çayeli;Mehmet ÖZ;;;1890 & ----;"_qs},
    };
    const Exported exported;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale.name().toStdString());
        const QChar separator = ListSeparator(c.locale);
        EXPECT_EQ(separator, c.separator);
        const QStringList csv = Lines(DecodeCp1254(exported.bytes(ExportFormat::Csv, separator)));
        EXPECT_EQ(csv.value(3), c.personRow);
    }
}

// Rows of one tree column: the given texts, or n rows of generated names.
class TextRows : public ExportRows
{
public:
    explicit TextRows(QStringList texts) : texts_(std::move(texts)), count_(texts_.size()) {}
    explicit TextRows(qsizetype count) : count_(count) {}

    qsizetype count() const override { return count_; }
    int depth(qsizetype r) const override { return int(r % 4); }
    QString text(qsizetype r, int) const override
    {
        return texts_.isEmpty() ? QStringLiteral("Person %1").arg(r) : texts_[r];
    }
    ExportFont font(qsizetype r, int) const override
    {
        ExportFont font;
        font.bold = r % 7 == 0;
        return font;
    }

private:
    QStringList texts_;
    qsizetype count_;
};

const QList<ExportColumn> NameColumn{{u"Ad Soyad"_qs, 150, ColumnAlign::Left, true}};

// Keeps what is written and how, and refuses writes past a number of bytes.
class RecordingDevice : public QIODevice
{
public:
    explicit RecordingDevice(qint64 room = -1) : room_(room)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

    QByteArray bytes;
    qint64 largestWrite = 0;
    int writes = 0;
    int writesAfterFailure = 0;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        if (failed_)
            ++writesAfterFailure;
        ++writes;
        largestWrite = std::max(largestWrite, size);
        if (room_ >= 0 && bytes.size() + size > room_) {
            failed_ = true;
            return -1;
        }
        bytes.append(data, size);
        return size;
    }

private:
    qint64 room_;
    bool failed_ = false;
};

class EveryFormat : public ::testing::TestWithParam<ExportFormat>
{};

TEST_P(EveryFormat, LargeTablesGoToTheDeviceInPieces)
{
    const TextRows rows(40'000);
    RecordingDevice device;
    ASSERT_TRUE(WriteTableExport(device, GetParam(), rows, NameColumn, {}, u','));
    EXPECT_GT(device.bytes.size(), 600'000);
    EXPECT_GT(device.writes, 4);
    EXPECT_LE(device.largestWrite, 128 * 1024);
}

TEST_P(EveryFormat, AFailedWriteEndsTheExport)
{
    const TextRows rows(40'000);
    RecordingDevice device(200'000);
    EXPECT_FALSE(WriteTableExport(device, GetParam(), rows, NameColumn, {}, u','));
    EXPECT_EQ(device.writesAfterFailure, 0);
}

TEST_P(EveryFormat, HoldsTheLoopMarkInEitherLanguage)
{
    PersonList persons = test::Persons(2);
    test::Child(persons, 0, 2, 1);
    test::Child(persons, 0, 1, 2);
    for (const Lang lang : {Lang::Turkish, Lang::English}) {
        const QString mark = LangText(Msg::GenerationLoopMark, lang);
        const GenerationTable table = BuildGenerationTable(persons, 1, {15, lang});
        std::vector<qint32> all(std::size_t(table.size()));
        std::iota(all.begin(), all.end(), 0);
        const GenerationExportRows rows(table, std::move(all), {ColFullName}, 1, {});
        const QByteArray bytes = ExportTable(GetParam(), rows, NameColumn, {}, u',');
        QString text;
        switch (GetParam()) {
        case ExportFormat::Html:
            text = QString::fromUtf8(bytes);
            break;
        case ExportFormat::Unicode:
            text = QStringDecoder(QStringConverter::Utf16LE).decode(bytes);
            break;
        case ExportFormat::Rtf:
            for (const QChar c : mark)
                text += QStringLiteral("\\u%1\\'3f").arg(c.unicode());
            EXPECT_TRUE(bytes.contains(text.toLatin1())) << bytes.constData();
            continue;
        default:
            // The mark fits the code page, so the file stays in it.
            EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
            text = DecodeCp1254(bytes);
        }
        EXPECT_EQ(text.count(mark), 2) << text.toStdString();
    }
}

std::string FormatName(const ::testing::TestParamInfo<ExportFormat>& info)
{
    static const char* const names[] = {"", "Html", "Unicode", "Rtf", "Csv", "Txt"};
    return names[int(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Formats, EveryFormat,
                         ::testing::Values(ExportFormat::Html, ExportFormat::Unicode,
                                           ExportFormat::Rtf, ExportFormat::Csv,
                                           ExportFormat::PlainText),
                         FormatName);

TEST(TableExport, CsvAndTxtAreUtf8WithAByteOrderMarkWhenATextIsOutsideTheCodePage)
{
    struct Case
    {
        QString name;
        bool fits;
    };
    const Case cases[] = {{u"Çağrı Işık"_qs, true}, {u"Þórður"_qs, false}, {u"Łukasz"_qs, false},
                          {u"Σοφία"_qs, false},     {u"王"_qs, false},     {u"Ayşe 😀"_qs, false}};
    const QByteArray bom("\xEF\xBB\xBF");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        // The text that does not fit comes last, after a row of Turkish text.
        const TextRows rows(QStringList{u"Ümit \"Ağa\""_qs, c.name});
        const QString expected = u"Ad Soyad\t\r\n\"Ümit \"\"Ağa\"\"\"\t\r\n"_qs;
        for (const ExportFormat format : {ExportFormat::Csv, ExportFormat::PlainText}) {
            const QChar separator = format == ExportFormat::Csv ? u';' : u'\t';
            const QByteArray bytes = ExportTable(format, rows, NameColumn, {}, separator);
            const QString text = c.fits ? DecodeCp1254(bytes) : QString::fromUtf8(bytes.mid(3));
            EXPECT_EQ(bytes.startsWith(bom), !c.fits);
            QString want = expected;
            want.replace(u'\t', separator);
            EXPECT_EQ(text, want + separator + c.name + u"\r\n"_qs);
        }
    }
}

} // namespace
} // namespace kinrow
