// The polygon: vertices placed by presses and dragged, its edge preview kept
// exact through changes of width, colour and style, and the finish action
// that closes it as one undo step.

#include "support/EditorFixture.h"

#include "tools/Polygon.h"
#include "tools/ShapePreview.h"
#include "view/StatusBar.h"

namespace pinxel::test {
namespace {

using PolygonTest = EditorFixture;

constexpr Color White = 0xFFFFFF;
constexpr Color Orange = composeColor(255, 128, 0);
constexpr Color Blue = composeColor(0, 0, 255);

// The closed polygon alone on the picture, as the finish action draws it.
QImage finalPolygon(const QImage &picture, const std::vector<QPoint> &points, int width, int style, Color outline,
                    int fillStyle, Color fill)
{
    PictureSurface s;
    test::holdPicture(s, picture);
    PenState{outline, fill, width, style, DrawModeCopyPen, fillStyle}.applyTo(s);
    s.Polygon(points);
    return s.Image().copy();
}

// The open polygon's preview on the picture: its edges as one XOR figure.
QImage openPreview(const QImage &picture, const std::vector<QPoint> &points, int width, int style, Color pen)
{
    PictureSurface s;
    test::holdPicture(s, picture);
    PenState{pen ^ White, 0, width, style, DrawModeXorPen, FillTransparent}.applyTo(s);
    s.Lines(Polygon::edges(points, false));
    return s.Image().copy();
}

TEST_F(PolygonTest, PressesAddVerticesAndADragMovesTheOneJustPlaced)
{
    openCanvas(100, 80);
    selectTool(ToolPolygon);
    w().picPaint_MouseDown(1, 0, 10, 10);
    EXPECT_EQ(w().model().PolygonActive, FlagTrue);
    w().picPaint_MouseMove(1, 0, 30, 12);  // a drag from the first press makes the second vertex
    w().picPaint_MouseMove(1, 0, 40, 15);
    w().picPaint_MouseUp(1, 0, 40, 15);
    click(60, 50);
    w().picPaint_MouseDown(1, 0, 20, 60);
    w().picPaint_MouseMove(1, 0, 25, 70);
    w().picPaint_MouseUp(1, 0, 25, 70);
    EXPECT_EQ(w().model().PolygonPoints, (std::vector<QPoint>{{10, 10}, {40, 15}, {60, 50}, {25, 70}}));
    EXPECT_EQ(w().model().UndoCurrent, 0);  // no step until it is finished
    EXPECT_EQ(w().sta->panelText(1), QStringLiteral("Press ENTER or double-click to finish drawing the polygon"));
    EXPECT_TRUE(sameImage(openPreview(filledImage(100, 80, White), w().model().PolygonPoints, 1, 0, 0), canvas()));
}

TEST_F(PolygonTest, FinishingDrawsOnlyTheClosedPolygonWithEveryOptionAsOneUndoStep)
{
    const QImage picture = randomImage(90, 70, 8);
    const std::vector<QPoint> points = {{5, 5}, {80, 12}, {20, 60}, {70, 55}};
    for (int fillOption : {0, 1, 2})
        for (int dot : {0, 5})
            for (int style : {StyleSolid, StyleDashDot}) {
                SCOPED_TRACE(::testing::Message()
                             << "fill option " << fillOption << " width " << dot + 1 << " style " << style);
                openCanvas(0, 0, picture);
                selectTool(ToolPolygon);
                w().lblColor_MouseDown(25, 1, 0, 0, 0);
                w().lblColor_MouseDown(13, 2, 0, 0, 0);
                w().fraOptDot_MouseDown(1, 0, 75 + 250 * (dot % 2), 150 + 250 * (dot / 2));
                w().fraOptFill_MouseDown(1, 0, 0, 130 + 325 * fillOption);
                w().model().events().raise(QStringLiteral("mnuBS(%1)").arg(style) + QStringLiteral(".Click"));
                w().model().events().raise(QStringLiteral("mnuFS(7)") + QStringLiteral(".Click"));
                for (const QPoint &p : points)
                    click(p.x(), p.y());
                w().picPaint_KeyUp(13, 0);
                const Color outline = fillOption == 2 ? Blue : Orange;
                const int fillStyle = fillOption == 0 ? FillTransparent : FillDiagonalCross;
                ASSERT_TRUE(
                    sameImage(finalPolygon(picture, points, dot + 1, style, outline, fillStyle, Blue), canvas()));
                EXPECT_EQ(w().model().PolygonActive, FlagFalse);
                EXPECT_EQ(w().model().UndoCurrent, 1);
                w().model().events().raise(QStringLiteral("mnuUndo") + QStringLiteral(".Click"));
                EXPECT_TRUE(sameImage(picture, canvas()));
            }
}

TEST_F(PolygonTest, OneVertexDrawsNothingAndTwoDrawALine)
{
    openCanvas(60, 50);
    selectTool(ToolPolygon);
    const QImage blank = canvas();
    click(20, 20);
    w().picPaint_KeyUp(13, 0);
    EXPECT_TRUE(sameImage(blank, canvas()));
    EXPECT_EQ(w().model().UndoCurrent, 1);
    EXPECT_EQ(w().model().PolygonActive, FlagFalse);

    click(10, 30);
    click(50, 30);
    w().picPaint_DblClick();
    for (int x = 10; x <= 50; ++x)
        ASSERT_EQ(w().model().picPaint.GetPixel(x, 30), 0) << x;
    EXPECT_EQ(w().model().picPaint.GetPixel(30, 29), White);
    EXPECT_EQ(w().model().UndoCurrent, 2);
}

TEST_F(PolygonTest, ADoubleClickAddsItsPointBeforeClosing)
{
    openCanvas(60, 50);
    selectTool(ToolPolygon);
    click(5, 5);
    click(50, 5);
    click(30, 40);  // the first press and release of the double-click
    w().picPaint_DblClick();
    w().picPaint_MouseUp(1, 0, 30, 40);
    EXPECT_TRUE(sameImage(
        finalPolygon(filledImage(60, 50, White), {{5, 5}, {50, 5}, {30, 40}}, 1, 0, 0, FillTransparent, 0), canvas()));
    EXPECT_EQ(w().model().UndoCurrent, 1);
}

TEST_F(PolygonTest, WidthColourAndStyleChangedMidwayLeaveNoTraceOfTheOldPreview)
{
    const QImage picture = randomImage(80, 60, 4);
    openCanvas(0, 0, picture);
    selectTool(ToolPolygon);
    click(10, 10);
    click(70, 15);
    w().fraOptDot_MouseDown(1, 0, 330, 910);  // cell 7: 8 pixels
    EXPECT_EQ(w().model().picPaint.DrawWidth, 8);
    EXPECT_TRUE(sameImage(openPreview(picture, {{10, 10}, {70, 15}}, 8, 0, 0), canvas()));
    w().lblColor_MouseDown(5, 1, 0, 0, 0);  // red: the preview is redrawn in it
    EXPECT_TRUE(sameImage(openPreview(picture, {{10, 10}, {70, 15}}, 8, 0, composeColor(255, 0, 0)), canvas()));
    w().model().events().raise(QStringLiteral("mnuBS(1)") + QStringLiteral(".Click"));  // dashed from the next press on
    click(40, 55);
    w().picPaint_MouseDown(1, 0, 15, 50);
    w().picPaint_MouseMove(1, 0, 12, 45);
    w().picPaint_MouseUp(1, 0, 12, 45);
    const std::vector<QPoint> points = {{10, 10}, {70, 15}, {40, 55}, {12, 45}};
    EXPECT_TRUE(sameImage(openPreview(picture, points, 8, StyleDash, composeColor(255, 0, 0)), canvas()));
    w().picPaint_KeyUp(13, 0);
    EXPECT_TRUE(
        sameImage(finalPolygon(picture, points, 8, StyleDash, composeColor(255, 0, 0), FillTransparent, 0), canvas()));
}

// New drops an open polygon with the picture: a later width or colour change
// must not XOR its old edges onto the fresh one.
TEST_F(PolygonTest, NewDropsTheOpenPolygonsPreviewWithThePicture)
{
    openCanvas(80, 60);
    selectTool(ToolPolygon);
    click(10, 10);
    click(70, 15);
    host.answerMsgBox(AnswerNo);  // do not save the open polygon
    w().model().events().raise(QStringLiteral("mnuNew") + QStringLiteral(".Click"));
    const QImage fresh = canvas();
    w().fraOptDot_MouseDown(1, 0, 350, 420);
    w().lblColor_MouseDown(5, 1, 0, 0, 0);
    EXPECT_TRUE(sameImage(fresh, canvas()));
}

TEST_F(PolygonTest, ChoosingAnyToolClosesTheOpenPolygonAsOneStep)
{
    openCanvas(60, 50);
    selectTool(ToolPolygon);
    click(5, 5);
    click(50, 5);
    click(30, 40);
    selectTool(ToolPencil);
    EXPECT_EQ(w().model().PolygonActive, FlagFalse);
    EXPECT_EQ(w().model().UndoCurrent, 1);
    EXPECT_TRUE(sameImage(
        finalPolygon(filledImage(60, 50, White), {{5, 5}, {50, 5}, {30, 40}}, 1, 0, 0, FillTransparent, 0), canvas()));
    selectTool(ToolPolygon);  // nothing open: choosing it again adds no step
    EXPECT_EQ(w().model().UndoCurrent, 1);
}

}  // namespace
}  // namespace pinxel::test
