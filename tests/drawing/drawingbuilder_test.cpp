#include "drawing/drawing.h"
#include "drawing/drawingbuilder.h"

#include <gtest/gtest.h>

namespace {

using namespace kinrow;

TEST(Drawing, MillimetresBecomeWholeDotsRoundedTowardZero)
{
    const struct
    {
        double mm;
        int dpi;
        int dots;
    } cases[] = {
        {25.4, 600, 600}, {10, 300, 118}, {0.1, 1200, 4}, {0.1, 96, 0}, {270, 1200, 12755},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MmToDev(c.mm, c.dpi), c.dots) << c.mm << " mm at " << c.dpi;
}

TEST(DrawingBuilder, TextsAreAnchoredByTheirAlignment)
{
    DrawingBuilder builder(QSizeF(100, 50));
    builder.setFont(10, true);
    const double line = LineHeightMm(10);
    const struct
    {
        Qt::Alignment align;
        double x;
        double y;
        double (*anchorX)(const QRectF&);
        double (*anchorY)(const QRectF&);
    } cases[] = {
        {Qt::AlignLeft | Qt::AlignTop, 8, 20, [](const QRectF& r) { return r.left(); },
         [](const QRectF& r) { return r.top(); }},
        {Qt::AlignHCenter | Qt::AlignBottom, 30, 23, [](const QRectF& r) { return r.center().x(); },
         [](const QRectF& r) { return r.bottom(); }},
        {Qt::AlignRight | Qt::AlignVCenter, 130, 84, [](const QRectF& r) { return r.right(); },
         [](const QRectF& r) { return r.center().y(); }},
    };
    for (const auto& c : cases)
        builder.text(u"X"_qs, c.x, c.y, c.align);
    builder.rotatedText(u"R"_qs, 10, 39);
    const Drawing drawing = builder.take();
    ASSERT_EQ(drawing.ops.size(), 4u);
    for (size_t i = 0; i < 3; ++i) {
        const auto& text = std::get<TextOp>(drawing.ops[i]);
        EXPECT_NEAR(cases[i].anchorX(text.rect), cases[i].x, 1e-9) << i;
        EXPECT_NEAR(cases[i].anchorY(text.rect), cases[i].y, 1e-9) << i;
        EXPECT_NEAR(text.rect.height(), line, 1e-9);
        EXPECT_EQ(text.align, cases[i].align);
        EXPECT_TRUE(text.font.bold);
        EXPECT_FALSE(text.rotated);
    }
    const auto& rotated = std::get<TextOp>(drawing.ops[3]);
    EXPECT_TRUE(rotated.rotated);
    EXPECT_NEAR(rotated.rect.left(), 10, 1e-9);
    EXPECT_NEAR(rotated.rect.width(), line, 1e-9);
    EXPECT_NEAR(rotated.rect.center().y(), 39, 1e-9);
}

TEST(DrawingBuilder, ArrowheadsAreFilledBlackWithoutChangingThePen)
{
    DrawingBuilder builder(QSizeF(100, 50));
    builder.setPen(0.4, PenStyle::Dash);
    builder.arrowhead({{1, 1}, {2, 3}, {3, 1}});
    builder.setPenColor(RgbWhite);
    builder.box(1, 2, 11, 22);
    const Drawing drawing = builder.take();
    const auto& arrow = std::get<PolygonOp>(drawing.ops[0]);
    EXPECT_EQ(arrow.pen, DrawPen{});
    EXPECT_EQ(arrow.brush, RgbBlack);
    EXPECT_EQ(arrow.points.size(), 3);
    const auto& box = std::get<BoxOp>(drawing.ops[1]);
    EXPECT_EQ(box.rect, QRectF(1, 2, 10, 20));
    EXPECT_EQ(box.pen, (DrawPen{0.4, RgbWhite, PenStyle::Dash}));
    EXPECT_EQ(box.brush, RgbWhite);
    EXPECT_TRUE(builder.take().ops.empty());
}

} // namespace
