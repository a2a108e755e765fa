#include "chart/chartprintout.h"

#include "chart/chartlists.h"
#include "drawing/drawingbuilder.h"
#include "editing/recordaccess.h"
#include "model/picturepaths.h"
#include "model/textrules.h"

#include <QDir>

#include <array>
#include <cmath>
#include <numbers>

namespace kinrow {

namespace {

constexpr Qt::Alignment LeftBottom = Qt::AlignLeft | Qt::AlignBottom;
constexpr Qt::Alignment LeftTop = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment CentreTop = Qt::AlignHCenter | Qt::AlignTop;
constexpr Qt::Alignment CentreBottom = Qt::AlignHCenter | Qt::AlignBottom;

constexpr QSizeF PictureBoxMm(32, 40);
// A text fitted into a box keeps this far from either side.
constexpr double BoxPaddingMm = 0.5;
constexpr double Gen4RoomMm = 28 - 2 * BoxPaddingMm; // along the upright boxes
constexpr double Gen3RoomMm = 28 - 2 * BoxPaddingMm;
constexpr double Gen2RoomMm = 46 - 2 * BoxPaddingMm;
constexpr double ParentRoomMm = 56 - 2 * BoxPaddingMm;
constexpr double PersonRoomMm = 100 - 2 * BoxPaddingMm;
// Lists start 1 mm into their boxes.
constexpr double NarrowListRoomMm = 25 - 1 - BoxPaddingMm;
constexpr double SpouseListRoomMm = 46 - 1 - BoxPaddingMm;
// The birth place ends at x 130 and may reach back to the children's box; the dates start at
// x 140 and may reach the siblings' count.
constexpr double BirthPlaceRoomMm = 130 - 66;
constexpr double DatesRoomMm = 204 - 140;
constexpr Rgb TreeGreen = 0x2E7D32;
constexpr Rgb TreeLeaves = 0x66BB6A;
constexpr Rgb TreeTrunk = 0x795548;

// Builds the page in the order a canvas would be drawn, each later element over the earlier.
class ChartPage
{
public:
    ChartPage(const PersonList& persons, const AncestorChart& chart,
              const ChartPrintOptions& options)
        : persons_(persons), chart_(chart), options_(options),
          page_(QSizeF(ChartFrameWidthMm, ChartFrameHeightMm))
    {
        page_.setFontFamily(options.fontFamily);
    }

    Drawing build();

private:
    QString text(Msg entry) const { return LangText(entry, options_.lang); }
    QString given(const TTreeData& person) const
    {
        return ProperCaseName(person.GivenName, options_.lang);
    }

    void frameAndTitle();
    void treePicture();
    void generation4(double x);
    void generation3(double x);
    void generation2(double x);
    void connectors();
    void siblingConnectors();
    void names();
    void verticalName(qint32 recNo, double x, double y);
    void horizontalName(qint32 recNo, double x, double y);
    void siblings(int father, int mother, int marked, double x, double y, double bottom);
    void list(const QStringList& lines, double x, double top, double bottom, double room,
              qsizetype boldLine = -1, qsizetype keptLine = -1);
    void personDetails();
    void picture(qint32 recNo, double x, double y);

    const PersonList& persons_;
    const AncestorChart& chart_;
    const ChartPrintOptions& options_;
    DrawingBuilder page_;
};

Drawing ChartPage::build()
{
    frameAndTitle();
    treePicture();
    for (const double x : {5, 37, 71, 103, 143, 175, 209, 241})
        generation4(x);
    for (const double x : {3, 69, 141, 207})
        generation3(x);
    for (const double x : {10, 148})
        generation2(x);
    connectors();
    names();
    page_.setFont(8);
    siblings(4, 5, 2, 10, 99, 170);
    siblings(6, 7, 3, 235, 99, 170);
    siblings(2, 3, 1, 205, 121, 180);
    personDetails();
    const qint32 person = chart_.recNo(1);
    picture(person, 163, 140);
    if (!chart_.spouses.isEmpty())
        picture(chart_.spouses.last().recNo, 121, 140);
    return page_.take();
}

void ChartPage::frameAndTitle()
{
    page_.setPen(0.3);
    page_.box(0, 0, ChartFrameWidthMm, ChartFrameHeightMm);
    page_.setFont(18, true);
    page_.text(text(Msg::ProgramTitle), 8, 23, LeftBottom);
    page_.setFont(8);
}

// A drawn tree stands where the window's decorative tree picture would be stretched.
void ChartPage::treePicture()
{
    // Narrow enough to stay clear of the boxes of generations 2 and 3 on either side.
    constexpr QPointF Centre(132.5, 89);
    constexpr double Rx = 9;
    constexpr double Ry = 13;
    page_.polygon({{131, 98}, {134, 98}, {135.5, 120}, {129.5, 120}}, DrawPen{0, TreeTrunk},
                  TreeTrunk);
    for (const double scale : {1.0, 0.6}) {
        QList<QPointF> crown;
        constexpr int Corners = 16;
        for (int i = 0; i < Corners; ++i) {
            const double angle = 2 * std::numbers::pi * i / Corners;
            crown << Centre + QPointF(scale * Rx * std::cos(angle), scale * Ry * std::sin(angle));
        }
        page_.polygon(crown, DrawPen{0, TreeGreen}, scale == 1.0 ? TreeGreen : TreeLeaves);
    }
    page_.setPenColor(RgbWhite);
    page_.box(120, 111, 180, 130);
    page_.setPenColor(RgbBlack);
    page_.line({{125, 111}, {145, 111}});
}

void ChartPage::generation4(double x)
{
    page_.setPen(0.3);
    page_.line({{x + 5, 53}, {x + 5, 56}, {x + 19, 56}, {x + 19, 53}});
    page_.line({{x + 12, 56}, {x + 12, 59}});
    page_.arrowhead({{x + 10.5, 59}, {x + 12, 62}, {x + 13.5, 59}});
    page_.setPen(0.1);
    page_.box(x, 25, x + 10, 53);
    page_.box(x + 14, 25, x + 24, 53);
}

void ChartPage::generation3(double x)
{
    page_.setPen(0.3);
    page_.line({{x + 17, 72}, {x + 17, 75}, {x + 46, 75}, {x + 46, 72}});
    page_.line({{x + 30, 75}, {x + 30, 78}});
    page_.arrowhead({{x + 28.5, 78}, {x + 30, 81}, {x + 31.5, 78}});
    page_.setPen(0.1);
    page_.box(x, 62, x + 28, 72);
    page_.box(x + 32, 62, x + 60, 72);
}

void ChartPage::generation2(double x)
{
    page_.setPen(0.3);
    page_.line({{x + 23, 87}, {x + 23, 90}, {x + 89, 90}, {x + 89, 87}});
    page_.line({{x + 56, 90}, {x + 56, 96}});
    page_.arrowhead({{x + 54.5, 96}, {x + 56, 99}, {x + 57.5, 96}});
    page_.setPen(0.1);
    page_.box(x, 81, x + 46, 87);
    page_.box(x + 66, 81, x + 112, 87);
}

void ChartPage::connectors()
{
    page_.setPen(0.4);
    page_.line({{90, 109}, {90, 112}, {180, 112}, {180, 109}});
    page_.line({{135, 112}, {135, 117}});
    page_.arrowhead({{133, 117}, {135, 121}, {137, 117}});
    page_.setPen(0.2);
    page_.box(50, 99, 106, 109);
    page_.box(164, 99, 220, 109);
    page_.setPen(0.4);
    page_.box(85, 121, 185, 132);
    siblingConnectors();
    page_.setPen(0.3);
    page_.line({{85, 128}, {67, 128}});
    page_.arrowhead({{67, 128}, {68, 126.5}, {65, 128}, {68, 129.5}});
    page_.setPen(0.1);
    page_.box(40, 121, 65, 180);
    page_.text(text(Msg::ChildrenHeading), 45, 120, LeftBottom);
    page_.setPen(0.15, PenStyle::Dash);
    page_.line({{180, 112}, {225, 112}, {225, 119}});
    page_.line({{205, 125}, {187, 125}});
    page_.arrowhead({{225, 119}, {223.5, 118}, {225, 121}, {226.5, 118}});
    page_.arrowhead({{187, 125}, {188, 123.5}, {185, 125}, {188, 126.5}});
    page_.setPen(0.1);
    page_.box(205, 121, 230, 180);
    page_.setPen(0.3);
    page_.line({{111, 132}, {111, 138}});
    page_.setPen(0.4);
    page_.line({{179, 132}, {179, 136}});
    page_.arrowhead({{111, 138}, {109.5, 137}, {111, 140}, {112.5, 137}});
    page_.arrowhead({{177, 136}, {179, 140}, {181, 136}});
    page_.setPen(0.1);
    page_.box(75, 140, 121, 180);
    page_.box(121, 140, 153, 180);
    page_.box(163, 140, 195, 180);
    page_.text(text(Msg::SpouseHeading), 80, 139, LeftBottom);
    page_.setFont(32);
    page_.text(QStringLiteral("+"), 158, 155, CentreTop);
    page_.setFont(8);
    page_.text(text(Msg::ImagePanelCaption), 137, 155, CentreTop);
    page_.text(text(Msg::ImagePanelCaption), 179, 155, CentreTop);
}

// The dashed arrows and boxes of the father's and the mother's siblings.
void ChartPage::siblingConnectors()
{
    page_.setPen(0.15, PenStyle::Dash);
    page_.line({{33, 90}, {13, 90}, {13, 97}});
    page_.line({{35, 104}, {48, 104}});
    page_.arrowhead({{13, 97}, {11.5, 96}, {13, 99}, {14.5, 96}});
    page_.arrowhead({{48, 104}, {47, 102.5}, {50, 104}, {47, 105.5}});
    page_.setPen(0.1);
    page_.box(10, 99, 35, 170);
    page_.setPen(0.15, PenStyle::Dash);
    page_.line({{237, 90}, {257, 90}, {257, 97}});
    page_.line({{235, 104}, {222, 104}});
    page_.arrowhead({{257, 97}, {258.5, 96}, {257, 99}, {255.5, 96}});
    page_.arrowhead({{222, 104}, {223, 102.5}, {220, 104}, {223, 105.5}});
    page_.setPen(0.1);
    page_.box(235, 99, 260, 170);
}

void ChartPage::names()
{
    constexpr std::array<double, 16> Gen4X{10,  24,  42,  56,  76,  90,  108, 122,
                                           148, 162, 180, 194, 214, 228, 246, 260};
    for (size_t i = 0; i < Gen4X.size(); ++i)
        verticalName(chart_.recNo(16 + int(i)), Gen4X[i], 39);
    constexpr std::array<double, 8> Gen3X{17, 49, 83, 115, 155, 187, 221, 253};
    for (size_t i = 0; i < Gen3X.size(); ++i)
        horizontalName(chart_.recNo(8 + int(i)), Gen3X[i], 67);
    constexpr std::array<double, 4> Gen2X{33, 99, 171, 237};
    for (size_t i = 0; i < Gen2X.size(); ++i) {
        const AncestorSlot& slot = chart_.slot(4 + int(i));
        if (slot.recNo > 0)
            page_.text(slot.caption, Gen2X[i], 84, Qt::AlignCenter, Gen2RoomMm);
    }
    page_.setFont(10, true);
    if (chart_.recNo(2) > 0)
        page_.text(chart_.slot(2).caption, 78, 104, Qt::AlignCenter, ParentRoomMm);
    if (chart_.recNo(3) > 0)
        page_.text(chart_.slot(3).caption, 192, 104, Qt::AlignCenter, ParentRoomMm);
    page_.setFont(16, true);
    if (chart_.recNo(1) > 0)
        page_.text(chart_.slot(1).caption, 135, 126.5, Qt::AlignCenter, PersonRoomMm);
}

void ChartPage::verticalName(qint32 recNo, double x, double y)
{
    const TTreeData* person = RecordAt(persons_, recNo);
    if (!person)
        return;
    page_.rotatedText(person->Surname, x, y, Gen4RoomMm);
    page_.rotatedText(given(*person), x - page_.lineHeight(), y, Gen4RoomMm);
}

void ChartPage::horizontalName(qint32 recNo, double x, double y)
{
    const TTreeData* person = RecordAt(persons_, recNo);
    if (!person)
        return;
    page_.text(person->Surname, x, y, CentreTop, Gen3RoomMm);
    page_.text(given(*person), x, y - page_.lineHeight(), CentreTop, Gen3RoomMm);
}

void ChartPage::siblings(int father, int mother, int marked, double x, double y, double bottom)
{
    const qint32 markedRecNo = chart_.recNo(marked);
    if (chart_.recNo(father) == 0 || chart_.recNo(mother) == 0 || markedRecNo == 0)
        return;
    const QList<qint32> entries =
        SiblingsOfParents(persons_, chart_.recNo(father), chart_.recNo(mother));
    QStringList lines;
    for (const qint32 entry : entries)
        lines << given(*RecordAt(persons_, entry)) +
                     (entry == markedRecNo ? QStringLiteral(" (x)") : QString());
    list(lines, x + 1, y + 1, bottom, NarrowListRoomMm, -1, entries.indexOf(markedRecNo));
    page_.text(QStringLiteral("= %1 = ").arg(entries.size()), x + 12.5, y - 0.5, CentreBottom);
}

void ChartPage::list(const QStringList& lines, double x, double top, double bottom, double room,
                     qsizetype boldLine, qsizetype keptLine)
{
    const double step = page_.lineHeight();
    const QStringList shown = FitListLines(lines, top, bottom, step, keptLine);
    // A cut list has lost its last line, so nothing of it is bold.
    const bool keepBold = shown.size() == lines.size();
    for (qsizetype i = 0; i < shown.size(); ++i) {
        page_.setFont(page_.font().pointSize, keepBold && i == boldLine);
        page_.text(shown.at(i), x, top + double(i) * step, LeftTop, room);
    }
    page_.setFont(page_.font().pointSize);
}

void ChartPage::personDetails()
{
    const TTreeData* person = RecordAt(persons_, chart_.recNo(1));
    if (!person)
        return;
    if (!person->BirthPlace.isEmpty())
        page_.text(ProperCaseName(person->BirthPlace, options_.lang), 130, 120,
                   Qt::AlignRight | Qt::AlignBottom, BirthPlaceRoomMm);
    // Values that are not positive (NaN from a damaged file among them) are no date.
    if (person->BirthDate + person->DeathDate > 0) {
        QString dates = QStringLiteral(" - ");
        if (person->BirthDate > 0)
            dates.prepend(FormatDateValue(person->BirthDate));
        if (person->DeathDate > 0)
            dates.append(FormatDateValue(person->DeathDate));
        page_.text(dates, 140, 120, LeftBottom, DatesRoomMm);
    }
    QStringList children;
    for (const qint32 child : person->Children)
        if (const TTreeData* record = RecordAt(persons_, child))
            children << given(*record);
    list(children, 41, 122, 180, NarrowListRoomMm);
    QStringList spouses;
    for (const ChartListItem& item : chart_.spouses)
        spouses << item.text;
    list(spouses, 76, 141, 180, SpouseListRoomMm, spouses.size() - 1);
}

void ChartPage::picture(qint32 recNo, double x, double y)
{
    const TTreeData* person = RecordAt(persons_, recNo);
    if (!person || person->Pictures.isEmpty() || !options_.pictureSize)
        return;
    const QString stored = PictureSeparators(person->Pictures.first());
    const QString path = QDir(options_.pictureFolder).absoluteFilePath(stored);
    const QSize pixels = options_.pictureSize(path);
    if (pixels.isEmpty())
        return;
    page_.setPenColor(RgbWhite);
    page_.box(x + 5, y + 5, x + 27, y + 35);
    page_.setPenColor(RgbBlack);
    page_.picture(path, FitPictureMm(pixels, QPointF(x, y), PictureBoxMm));
}

} // namespace

bool PaperTooSmallForChart(QSize printableDots, int dpiX, int dpiY, bool landscape)
{
    if (dpiX <= 0 || dpiY <= 0)
        return true;
    const double widthMm = printableDots.width() * 25.4 / dpiX;
    const double heightMm = printableDots.height() * 25.4 / dpiY;
    const double uprightWidth = landscape ? heightMm : widthMm;
    const double uprightHeight = landscape ? widthMm : heightMm;
    return uprightWidth < 195 || uprightHeight < 275;
}

Drawing ChartPrintout(const PersonList& persons, const AncestorChart& chart,
                      const ChartPrintOptions& options)
{
    return ChartPage(persons, chart, options).build();
}

} // namespace kinrow
