// The one-stroke shape tools: arrow head geometry, end-point constraints,
// the ellipse's degenerate cases, and previews that leave no trace: after a
// whole drag the canvas equals the picture with only the final figure drawn.

#include "support/EditorFixture.h"

#include "tools/ShapePreview.h"
#include "tools/ShapeTools.h"
#include "view/StatusBar.h"

#include <QAction>

namespace pinxel::test {
namespace {

using ShapeToolsTest = EditorFixture;

constexpr Color Red = composeColor(255, 0, 0);
constexpr Color Blue = composeColor(0, 0, 255);

TEST(ArrowHead, PointsBackFromTheTipAt45DegreesOnEitherSide)
{
    using ShapeTools::arrowHead;
    // Right and left: (x2 - 7, y2 -/+ 7) and (x2 + 7, y2 +/- 7).
    EXPECT_EQ(arrowHead(10, 50, 60, 50), (std::array<QPoint, 2>{QPoint(53, 43), QPoint(53, 57)}));
    EXPECT_EQ(arrowHead(60, 50, 10, 50), (std::array<QPoint, 2>{QPoint(17, 57), QPoint(17, 43)}));
    // A 45-degree arrow to the lower right: one stroke straight up, one straight left.
    EXPECT_EQ(arrowHead(10, 10, 40, 40), (std::array<QPoint, 2>{QPoint(40, 30), QPoint(30, 40)}));
    // Straight down and straight up (equal x: angle 90, direction by y).
    EXPECT_EQ(arrowHead(20, 10, 20, 60), (std::array<QPoint, 2>{QPoint(27, 53), QPoint(13, 53)}));
    EXPECT_EQ(arrowHead(20, 60, 20, 10), (std::array<QPoint, 2>{QPoint(13, 17), QPoint(27, 17)}));
    // No length: both strokes at the tip.
    EXPECT_EQ(arrowHead(30, 30, 30, 30), (std::array<QPoint, 2>{QPoint(30, 30), QPoint(30, 30)}));
    // Coordinates beyond 16 bits raise Overflow.
    EXPECT_THROW(arrowHead(0, 0, 40000, 0), Error);
}

// Sets the options as a user would: colours from the palette, width,
// fill option, border and fill style.
void chooseOptions(frmPaint &w, int dot, int fillOption, int border, int fillStyle)
{
    w.lblColor_MouseDown(5, 1, 0, 0, 0);   // red foreground
    w.lblColor_MouseDown(13, 2, 0, 0, 0);  // blue fill
    w.fraOptDot_MouseDown(1, 0, 75 + 250 * (dot % 2) + 10, 150 + 250 * (dot / 2) + 10);
    w.fraOptFill_MouseDown(1, 0, 0, 125 + 325 * fillOption + 10);
    w.model().events().raise(QStringLiteral("mnuBS(%1)").arg(border) + QStringLiteral(".Click"));
    w.model().events().raise(QStringLiteral("mnuFS(%1)").arg(fillStyle) + QStringLiteral(".Click"));
}

// The final figure alone, drawn on the picture with the true colours.
QImage finalFigure(const QImage &picture, int tool, QPoint from, QPoint to, int width, int fillOption, int border,
                   int fillStyle)
{
    PictureSurface s;
    test::holdPicture(s, picture);
    const bool fillable = tool != ToolLine && tool != ToolArrow;
    PenState{fillable && fillOption == 2 ? Blue : Red,
             Blue,
             width,
             border,
             DrawModeCopyPen,
             fillable && fillOption > 0 ? fillStyle : int(FillTransparent)}
        .applyTo(s);
    switch (tool) {
    case ToolLine:
        s.Line(from.x(), from.y(), to.x(), to.y());
        break;
    case ToolRectangle:
        s.Line(from.x(), from.y(), to.x(), to.y(), std::nullopt, LineForm::Box);
        break;
    case ToolEllipse: {
        const double dx = std::abs(to.x() - from.x()), dy = std::abs(to.y() - from.y());
        s.Circle((from.x() + to.x()) / 2.0, (from.y() + to.y()) / 2.0, std::max(dx, dy) / 2.0, std::nullopt, dy / dx);
        break;
    }
    case ToolArrow: {
        const auto head = ShapeTools::arrowHead(from.x(), from.y(), to.x(), to.y());
        const QLine strokes[] = {QLine(from, to), QLine(to, head[0]), QLine(to, head[1])};
        s.Lines(strokes);
        break;
    }
    case ToolRoundedRectangle:
        s.RoundRect(from.x(), from.y(), to.x(), to.y(), 10, 10);
        break;
    default:
        break;
    }
    return s.Image().copy();
}

TEST_F(ShapeToolsTest, AWholeDragLeavesOnlyTheFinalFigure)
{
    const QImage picture = randomImage(90, 70, 21);
    for (int tool : {ToolLine, ToolRectangle, ToolEllipse, ToolArrow, ToolRoundedRectangle})
        for (int dot : {0, 4})
            for (int fillOption : {0, 1, 2})
                for (int border : {StyleSolid, StyleDash}) {
                    SCOPED_TRACE(::testing::Message() << "tool " << tool << " width " << dot + 1 << " fill option "
                                                      << fillOption << " border " << border);
                    openCanvas(0, 0, picture);
                    selectTool(tool);
                    chooseOptions(w(), dot, fillOption, border, FillCross);
                    w().picPaint_MouseDown(1, 0, 20, 15);
                    // Out, back over the start, a Shift-constrained stretch, then a
                    // release elsewhere than the last move.
                    w().picPaint_MouseMove(1, 0, 70, 50);
                    w().picPaint_MouseMove(1, 0, 20, 15);
                    w().picPaint_MouseMove(1, 0, 20, 40);
                    w().picPaint_MouseMove(1, 1, 75, 31);
                    w().picPaint_MouseMove(1, 0, 5, 60);
                    w().picPaint_MouseUp(1, 0, 66, 55);
                    ASSERT_TRUE(sameImage(finalFigure(picture, tool, QPoint(20, 15), QPoint(66, 55), dot + 1,
                                                      fillOption, border, FillCross),
                                          canvas()));
                    EXPECT_EQ(w().model().UndoCurrent, 1);
                    EXPECT_EQ(w().model().picPaint.DrawMode, DrawModeCopyPen);
                }
}

TEST_F(ShapeToolsTest, ShiftAndCtrlConstrainTheEndAsEachToolAllows)
{
    struct Case {
        int tool;
        int shift;
        QPoint release;
        QPoint end;
    };
    const Case cases[] = {
        {ToolLine, 1, {40, 20}, {20, 20}},       // Shift: 45 degrees at the smaller distance
        {ToolLine, 2, {40, 20}, {40, 10}},       // Ctrl: horizontal
        {ToolLine, 2, {15, 45}, {10, 45}},       // Ctrl: vertical
        {ToolArrow, 1, {2, 30}, {2, 18}},        // Shift towards the lower left: x stays, y on the diagonal
        {ToolLine, 3, {40, 20}, {40, 20}},       // Shift with Ctrl: nothing
        {ToolLine, 4, {40, 20}, {40, 20}},       // Alt: nothing
        {ToolRectangle, 1, {40, 25}, {25, 25}},  // a square
        {ToolRectangle, 2, {40, 25}, {40, 25}},  // Ctrl does nothing for boxes
        {ToolEllipse, 2, {40, 25}, {40, 25}},
        {ToolRoundedRectangle, 1, {13, 40}, {13, 13}},  // a rounded square
        {ToolRoundedRectangle, 1, {25, 3}, {17, 3}},    // dx > dy: y stays, x on the diagonal
        {ToolRoundedRectangle, 1, {10, 3}, {10, 10}},   // straight up: no width, so no height
        {ToolRectangle, 1, {3, 3}, {3, 3}},             // a tie takes the first branch
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(::testing::Message() << "tool " << c.tool << " shift " << c.shift);
        openCanvas(60, 50);
        selectTool(c.tool);
        w().picPaint_MouseDown(1, 0, 10, 10);
        w().picPaint_MouseMove(1, c.shift, c.release.x(), c.release.y());
        EXPECT_EQ(QPoint(w().model().EndX, w().model().EndY), c.end);
        w().picPaint_MouseUp(1, c.shift, c.release.x(), c.release.y());
        EXPECT_EQ(QPoint(w().model().EndX, w().model().EndY), c.end);
    }
}

TEST_F(ShapeToolsTest, AnEllipseWithNoWidthIsNeverDrawnAndAFlatOneIsALine)
{
    openCanvas(60, 50);
    selectTool(ToolEllipse);
    const QImage blank = canvas();
    w().picPaint_MouseDown(1, 0, 20, 10);
    w().picPaint_MouseMove(1, 0, 20, 40);
    EXPECT_TRUE(sameImage(blank, canvas()));  // no preview while the x's agree
    w().picPaint_MouseUp(1, 0, 20, 40);
    EXPECT_TRUE(sameImage(blank, canvas()));
    EXPECT_EQ(w().model().UndoCurrent, 1);  // still a stroke

    w().picPaint_MouseDown(1, 0, 10, 20);
    w().picPaint_MouseUp(1, 0, 40, 20);
    for (int x = 10; x <= 40; ++x)
        EXPECT_EQ(w().model().picPaint.GetPixel(x, 20), 0) << x;  // aspect 0: the line it collapses to
    EXPECT_EQ(w().model().picPaint.GetPixel(25, 19), 0xFFFFFF);
    EXPECT_EQ(w().model().picPaint.GetPixel(25, 21), 0xFFFFFF);
}

TEST_F(ShapeToolsTest, ARectangleReleasedAtItsStartDrawsNothingButIsAStroke)
{
    openCanvas(60, 50);
    selectTool(ToolRectangle);
    const QImage blank = canvas();
    w().picPaint_MouseDown(1, 0, 20, 20);
    w().picPaint_MouseMove(1, 0, 30, 30);
    w().picPaint_MouseMove(1, 0, 20, 20);  // back on the start: a pen-sized preview
    w().picPaint_MouseUp(1, 0, 20, 20);
    EXPECT_TRUE(sameImage(blank, canvas()));
    EXPECT_EQ(w().model().UndoCurrent, 1);
    EXPECT_EQ(w().model().IsDirty, FlagTrue);
}

TEST_F(ShapeToolsTest, ABorderStyleChosenMidDragAppliesFromTheNextPress)
{
    openCanvas(80, 60);
    selectTool(ToolRectangle);
    w().picPaint_MouseDown(1, 0, 5, 5);
    w().picPaint_MouseMove(1, 0, 70, 50);
    w().model().events().raise(QStringLiteral("mnuBS(2)") + QStringLiteral(".Click"));
    w().picPaint_MouseMove(1, 0, 72, 52);
    w().picPaint_MouseUp(1, 0, 72, 52);
    EXPECT_EQ(w().model().LineDrawStyle, 2);
    for (int x = 5; x <= 72; ++x)
        ASSERT_EQ(w().model().picPaint.GetPixel(x, 5), 0) << x;  // solid
    w().picPaint_MouseDown(1, 0, 10, 20);
    w().picPaint_MouseUp(1, 0, 60, 40);
    EXPECT_EQ(w().model().picPaint.GetPixel(13, 20), 0xFFFFFF);  // dotted: 3 on, 3 off
    EXPECT_EQ(w().model().picPaint.GetPixel(10, 20), 0);
}

TEST_F(ShapeToolsTest, TheStatusBarShowsTheSignedDragSizeAndTheModifierHint)
{
    openCanvas(60, 50);
    selectTool(ToolArrow);
    w().picPaint_MouseMove(0, 0, 12, 34);
    w().picPaint_MouseDown(1, 0, 10, 10);
    w().picPaint_MouseMove(1, 0, 4, 30);
    EXPECT_EQ(w().sta->panelText(1), QStringLiteral("Press and hold down CTRL to draw a horizontal or vertical arrow; "
                                                    "SHIFT to draw a 45-degree arrow"));
    EXPECT_EQ(w().sta->panelText(2), QStringLiteral("12,34"));
    EXPECT_EQ(w().sta->panelText(3), QStringLiteral("-6x20"));
    w().picPaint_MouseUp(1, 0, 4, 30);
    EXPECT_EQ(w().sta->panelText(1), QStringLiteral("Draws an arrow with the selected arrow width"));
    EXPECT_EQ(w().sta->panelText(2), QStringLiteral("0,0"));
    EXPECT_EQ(w().sta->panelText(3), QString());
}

}  // namespace
}  // namespace pinxel::test
