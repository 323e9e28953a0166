// The curve: its handles placed around the first press, the XOR preview
// through them kept exact while the whole curve or one handle is dragged and
// the width changes, and the ways it ends (finished as one undo step, or
// abandoned by New).

#include "support/EditorFixture.h"

#include "tools/ShapePreview.h"
#include "view/CurveHandle.h"
#include "view/StatusBar.h"

namespace pinxel::test {
namespace {

using CurveTest = EditorFixture;

constexpr Color White = 0xFFFFFF;
constexpr Color Green = composeColor(0, 160, 0);
constexpr Color Red = composeColor(255, 0, 0);

using Points = std::array<QPoint, 4>;

// The curve through four points drawn on a white picture with a pen.
QImage curve(int w, int h, const Points &points, int width, Color color, int drawMode)
{
    PictureSurface s;
    holdPicture(s, filledImage(w, h, White));
    PenState{color, 0, width, StyleSolid, drawMode, FillTransparent}.applyTo(s);
    s.PolyBezier(points);
    return s.Image().copy();
}

// The curve a press at (x, y) makes: the centres of the 4-pixel handles.
Points placedAround(int x, int y)
{
    return {QPoint(x - 48, y - 48), {x + 52, y - 48}, {x - 48, y + 52}, {x + 52, y + 52}};
}

Points handleCorners(frmPaint &window)
{
    Points corners;
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_TRUE(window.imgBezier[i]->isShown());
        corners[i] = window.imgBezier[i]->place().topLeft();
    }
    return corners;
}

TEST_F(CurveTest, APressPlacesFourHandlesAndDragsMoveTheCurveOrOneHandleWithoutAStep)
{
    openCanvas(300, 300);
    w().model().setForegroundColor(Green);
    selectTool(ToolCurve);
    click(100, 100);
    EXPECT_EQ(handleCorners(w()), (Points{QPoint(50, 50), {150, 50}, {50, 150}, {150, 150}}));
    EXPECT_EQ(w().imgBezier[0]->place().size(), QSize(4, 4));
    EXPECT_TRUE(sameImage(curve(300, 300, placedAround(100, 100), 1, Green ^ White, DrawModeXorPen), canvas()));

    // A press on the canvas drags the whole curve: every handle moves alike.
    drag(100, 100, 120, 90);
    EXPECT_EQ(handleCorners(w()), (Points{QPoint(70, 40), {170, 40}, {70, 140}, {170, 140}}));
    // A handle moves with the pointer, in its own pixels.
    w().imgBezier_MouseDown(1, 1, 0, 2, 2);
    EXPECT_EQ(w().model().IsDragging, FlagTrue);
    w().imgBezier_MouseMove(1, 1, 0, 12, 7);
    w().imgBezier_MouseMove(1, 1, 0, 2, 2);  // the handle moved under the pointer
    w().imgBezier_MouseUp(1, 1, 0, 2, 2);
    EXPECT_EQ(w().model().IsDragging, FlagFalse);
    const Points shaped{QPoint(72, 42), {182, 47}, {72, 142}, {172, 142}};
    EXPECT_TRUE(sameImage(curve(300, 300, shaped, 1, Green ^ White, DrawModeXorPen), canvas()))
        << "no trace of the earlier previews";
    w().imgBezier_MouseMove(2, 1, 0, 50, 50);  // no drag in progress: nothing moves
    EXPECT_EQ(w().imgBezier[2]->place().topLeft(), QPoint(70, 140));

    // A new width redraws the preview with it.
    choosePenWidth(8);
    EXPECT_TRUE(sameImage(curve(300, 300, shaped, 8, Green ^ White, DrawModeXorPen), canvas()));
    EXPECT_EQ(w().model().UndoCurrent, 0);
    EXPECT_EQ(w().sta->panelText(1), QStringLiteral("Press ENTER or double-click to finish drawing the curve"));

    // The Font command gives the canvas pen the plain colour midway; the
    // preview still goes with the pen that drew it, and the final curve is clean.
    FontAnswer font;
    font.color = Red;
    host.answerFont(font);
    w().model().events().raise(QStringLiteral("mnuFont") + QStringLiteral(".Click"));
    drag(120, 90, 125, 95);
    w().picPaint_DblClick();
    Points moved = shaped;
    for (QPoint &p : moved)
        p += QPoint(5, 5);
    EXPECT_TRUE(sameImage(curve(300, 300, moved, 8, Red, DrawModeCopyPen), canvas()));
    EXPECT_EQ(w().model().UndoCurrent, 1);
}

TEST_F(CurveTest, EnterADoubleClickOrAToolFinishesTheCurveAsOneStep)
{
    const std::function<void(frmPaint &)> finishes[] = {
        [](frmPaint &window) { window.picPaint_KeyUp(13, 0); },
        [](frmPaint &window) { window.picPaint_DblClick(); },
        [](frmPaint &window) {
            window.optTools_MouseDown(ToolLine, 1, 0, 0, 0);
            window.optTools_Click(ToolLine);
        },
    };
    openCanvas(200, 200);
    for (const auto &finish : finishes) {
        w().model().picPaint.Cls();
        w().model().ClearImageBuffer();
        selectTool(ToolCurve);
        choosePenWidth(3);
        finish(w());  // with no curve shown: nothing, no step
        selectTool(ToolCurve);
        EXPECT_EQ(w().model().UndoCurrent, 0);
        w().model().setForegroundColor(Green);
        click(80, 80);
        finish(w());
        EXPECT_TRUE(sameImage(curve(200, 200, placedAround(80, 80), 3, Green, DrawModeCopyPen), canvas()));
        EXPECT_EQ(w().model().UndoCurrent, 1);
        for (const CurveHandle *handle : w().imgBezier)
            EXPECT_FALSE(handle->isShown());
        w().model().setForegroundColor(0);
    }
}

TEST_F(CurveTest, NewAbandonsTheCurveAndACurveByTheEdgeIsClipped)
{
    openCanvas(120, 100);
    selectTool(ToolCurve);
    click(5, 5);  // handle 0 lies outside the picture
    EXPECT_EQ(w().imgBezier[0]->place().topLeft(), QPoint(-45, -45));
    EXPECT_TRUE(sameImage(curve(120, 100, placedAround(5, 5), 1, White, DrawModeXorPen), canvas()));
    newPicture();
    for (const CurveHandle *handle : w().imgBezier)
        EXPECT_FALSE(handle->isShown());
    EXPECT_TRUE(
        sameImage(filledImage(w().model().picPaint.pixelWidth(), w().model().picPaint.pixelHeight(), White), canvas()));
    w().picPaint_DblClick();
    EXPECT_EQ(w().model().UndoCurrent, 0);
    click(30, 30);  // a new curve, not a drag of the old one
    EXPECT_EQ(w().imgBezier[0]->place().topLeft(), QPoint(-20, -20));
}

}  // namespace
}  // namespace pinxel::test
