// The colour palette, the two swatches with their shared colour dialog, the
// Border Style and Fill Style menus, and the hover hints.

#include "support/EditorFixture.h"

#include "view/StatusBar.h"

#include <QAction>
#include <QLabel>

namespace pinxel::test {
namespace {

using ColorsTest = EditorFixture;

constexpr Color White = 0xFFFFFF;

Color swatchColor(QLabel *swatch) { return fromQRgb(swatch->palette().color(QPalette::Window).rgb()); }

TEST_F(ColorsTest, ThePaletteHoldsItsTwentySixColoursInTwoRows)
{
    openCanvas(120, 90);
    EXPECT_EQ(swatchColor(w().lblColor[0]), composeColor(0, 0, 0));
    EXPECT_EQ(swatchColor(w().lblColor[17]), composeColor(255, 255, 192));
    EXPECT_EQ(swatchColor(w().lblColor[24]), composeColor(128, 64, 0));
    EXPECT_EQ(swatchColor(w().lblColor[25]), composeColor(255, 128, 0));
    EXPECT_EQ(w().lblColor[0]->geometry(), QRect(57, 15, 17, 17));  // 850, 225 twips
    EXPECT_EQ(w().lblColor[1]->pos(), QPoint(57, 33));              // 855, 495
    EXPECT_EQ(w().lblColor[25]->pos(), QPoint(qRound(4095 / 15.0), 33));
    EXPECT_EQ(swatchColor(w().lblForeColor), 0);
    EXPECT_EQ(swatchColor(w().lblFillColor), White);
}

TEST_F(ColorsTest, LeftPressSetsTheForegroundAndThePreviewPenRightPressTheFill)
{
    openCanvas(120, 90);
    w().lblColor_MouseDown(25, 1, 0, 0, 0);
    EXPECT_EQ(w().model().foregroundColor(), composeColor(255, 128, 0));
    EXPECT_EQ(w().model().picPaint.DrawMode, DrawModeXorPen);
    EXPECT_EQ(w().model().picPaint.ForeColor, composeColor(255, 128, 0) ^ White);
    w().model().picPaint.DrawMode = DrawModeCopyPen;
    w().lblColor_MouseDown(0, 2, 0, 0, 0);
    EXPECT_EQ(w().model().fillColor(), 0);
    EXPECT_EQ(w().model().picPaint.DrawMode, DrawModeCopyPen);  // the fill colour leaves the pen alone
    w().lblColor_MouseDown(9, 4, 0, 0, 0);                      // the middle button: nothing
    EXPECT_EQ(w().model().foregroundColor(), composeColor(255, 128, 0));
    EXPECT_EQ(w().model().fillColor(), 0);
    run(QStringLiteral("lblColor(13).MouseDown 2 0 0 0"));
    EXPECT_EQ(w().model().fillColor(), composeColor(0, 0, 255));
}

TEST_F(ColorsTest, TheColourDialogOpensOnTheColourLastTakenFromItForEitherSwatch)
{
    openCanvas(120, 90);
    host.cancelColor();
    w().lblForeColor_DblClick();  // a first cancel: black
    EXPECT_EQ(w().model().foregroundColor(), 0);
    host.answerColor(composeColor(10, 200, 30));
    w().model().events().raise(QStringLiteral("mnuFillColor") + QStringLiteral(".Click"));
    EXPECT_EQ(w().model().fillColor(), composeColor(10, 200, 30));
    w().lblColor_MouseDown(5, 1, 0, 0, 0);  // the dialog is not preset with the current colour
    host.cancelColor();
    w().model().events().raise(QStringLiteral("mnuForegroundColor") + QStringLiteral(".Click"));
    EXPECT_EQ(w().model().foregroundColor(), composeColor(10, 200, 30));
    ASSERT_EQ(host.shown().size(), 3u);
    EXPECT_EQ(host.shown()[0].preset.Color, 0);
    EXPECT_EQ(host.shown()[2].preset.Color, composeColor(10, 200, 30));
    EXPECT_EQ(w().model().picPaint.ForeColor, composeColor(10, 200, 30) ^ White);
    host.answerColor(composeColor(1, 2, 3));
    run(QStringLiteral("lblFillColor.DblClick"));
    EXPECT_EQ(w().model().fillColor(), composeColor(1, 2, 3));
}

TEST_F(ColorsTest, TheStyleMenusCarryOneCheckMarkAndTransparentIsNeverShown)
{
    openCanvas(120, 90);
    EXPECT_FALSE(w().model().item(QStringLiteral("mnuFS(1)")).visible);
    w().model().events().raise(QStringLiteral("mnuFS(6)") + QStringLiteral(".Click"));
    w().model().events().raise(QStringLiteral("mnuBS(3)") + QStringLiteral(".Click"));
    EXPECT_EQ(w().model().ShapeFillStyle, 6);
    EXPECT_EQ(w().model().LineDrawStyle, 3);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(w().model().item(QStringLiteral("mnuFS(%1)").arg(i)).checked, i == 6) << i;
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(w().model().item(QStringLiteral("mnuBS(%1)").arg(i)).checked, i == 3) << i;
    run(QStringLiteral("mnuBS(2).Click"));
    EXPECT_EQ(w().model().LineDrawStyle, 2);
    // A real user's choice runs the same handler.
    w().action(QStringLiteral("mnuFS(7)"))->trigger();
    EXPECT_EQ(w().model().ShapeFillStyle, 7);
    EXPECT_FALSE(w().model().item(QStringLiteral("mnuFS(6)")).checked);
}

TEST_F(ColorsTest, HoveringTheSwatchesShowsTheirHintsAndEmptiesTheOtherPanels)
{
    openCanvas(120, 90);
    w().picPaint_MouseMove(0, 0, 12, 34);
    EXPECT_EQ(w().sta->panelText(2), QStringLiteral("12,34"));
    run(QStringLiteral("lblColor(3).MouseMove 0 0 10 10"));
    EXPECT_EQ(w().sta->panelText(1),
              QStringLiteral("Click to set the foreground color; Right-click to set the background color"));
    EXPECT_EQ(w().sta->panelText(2), QString());
    EXPECT_EQ(w().sta->panelText(3), QString());
    run(QStringLiteral("lblForeColor.MouseMove 0 0 10 10"));
    EXPECT_EQ(w().sta->panelText(1), QStringLiteral("Double-click to set the foreground color with custom color"));
    run(QStringLiteral("lblFillColor.MouseMove 0 0 10 10"));
    EXPECT_EQ(w().sta->panelText(1), QStringLiteral("Double-click to set the background color with custom color"));
}

TEST_F(ColorsTest, ToolHintsFollowTheStateOfTheirTool)
{
    openCanvas(80, 60);
    const struct {
        int tool;
        const char *idle;
        const char *busy;
    } hints[] = {
        {ToolLine, "Draws a straight line with the selected line width",
         "Press and hold down CTRL to draw a horizontal or vertical line; SHIFT to draw a 45-degree line"},
        {ToolRectangle, "Draws a rectangle with the selected outline width and fill style",
         "Press and hold down SHIFT to draw a square"},
        {ToolEllipse, "Draws an ellips with the selected outline width and fill style",
         "Press and hold down SHIFT to draw a circle"},
        {ToolRoundedRectangle, "Draws a rounded rectangle with the selected outline width and fill style",
         "Press and hold down SHIFT to draw a rounded-square"},
        {ToolPolygon, "Draws a polygon with the selected outline width and fill area",
         "Press ENTER or double-click to finish drawing the polygon"},
    };
    for (const auto &hint : hints) {
        selectTool(hint.tool);
        EXPECT_EQ(w().sta->panelText(1), QString::fromLatin1(hint.idle));
        w().picPaint_MouseDown(1, 0, 10, 10);
        w().picPaint_MouseMove(1, 0, 30, 25);
        EXPECT_EQ(w().sta->panelText(1), QString::fromLatin1(hint.busy));
        EXPECT_EQ(w().sta->panelText(3), hint.tool == ToolPolygon ? QString() : QStringLiteral("20x15"));
        w().picPaint_MouseUp(1, 0, 30, 25);
        w().picPaint_KeyUp(13, 0);  // closes the polygon; the next move shows the hint
        w().picPaint_MouseMove(0, 0, 40, 40);
        EXPECT_EQ(w().sta->panelText(1), QString::fromLatin1(hint.idle));
    }
}

}  // namespace
}  // namespace pinxel::test
