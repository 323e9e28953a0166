// The tool palette: the buttons' icons, the Filter Brush pop-up once per
// click, and the exact hit ranges of the width, fill and brush panels, gaps
// included. What each tool's row says is checked in tools/ToolTableTest.

#include "support/EditorFixture.h"

#include "view/ShapeSample.h"
#include "view/StatusBar.h"
#include "view/ToolIcons.h"

#include <QAbstractButton>
#include <QAction>
#include <QFrame>
#include <QLabel>

namespace pinxel::test {
namespace {

using ToolPaletteTest = EditorFixture;

QColor outlineOf(QWidget *sample) { return static_cast<ShapeSample *>(sample)->borderColor(); }

TEST_F(ToolPaletteTest, EveryButtonHasAnIconDrawnAtBothDensities)
{
    openCanvas(120, 90);
    std::vector<QImage> seen;
    for (int i = 0; i < 18; ++i) {
        EXPECT_FALSE(w().optTools[size_t(i)]->icon().isNull());
        const QImage single = toolIconPixmap(i, 1.0).toImage(), twice = toolIconPixmap(i, 2.0).toImage();
        EXPECT_EQ(single.size(), QSize(16, 16));
        EXPECT_EQ(twice.size(), QSize(32, 32));
        for (const QImage &other : seen)
            EXPECT_NE(other, single) << "icon " << i << " repeats another";
        seen.push_back(single);
    }
    EXPECT_TRUE(w().optTools[ToolPencil]->isChecked());
}

TEST_F(ToolPaletteTest, TheFilterBrushMenuShowsOncePerClickWithItsSevenVisibleItems)
{
    openCanvas(120, 90);
    host.dismissPopupMenu();
    selectTool(ToolFilterBrush);  // press and selection of one click
    ASSERT_EQ(host.shown().size(), 1u);
    EXPECT_EQ(host.shown()[0].kind, DialogKind::PopupMenu);
    EXPECT_EQ(host.shown()[0].items, (QStringList{"&Black && White", "&Light", "&Dirty", "Di&ffuse",
                                                  "Gra&y Black && White", "&Grayscale", "&Wave"}));
    EXPECT_EQ(host.shown()[0].checkedItem, 1);    // the current filter, Light, shows its check mark
    EXPECT_EQ(w().model().FilterBrushFilter, 2);  // dismissed: the filter stays
    EXPECT_TRUE(w().model().item(QStringLiteral("mnuFilterTools(2)")).checked);

    host.answerPopupMenu(5);      // Grayscale
    selectTool(ToolFilterBrush);  // the chosen button clicked again: once more, once
    EXPECT_EQ(host.shown().size(), 2u);
    EXPECT_TRUE(w().model().item(QStringLiteral("mnuFilterTools(8)")).checked);
    host.dismissPopupMenu();
    selectTool(ToolFilterBrush);
    EXPECT_EQ(host.shown().back().checkedItem, 5);
    host.dismissPopupMenu();
    w().optTools_Click(ToolFilterBrush);  // a selection with no press before it
    EXPECT_EQ(host.shown().size(), 4u);
    w().optTools_MouseDown(ToolFilterBrush, 2, 0, 0, 0);  // the right button: nothing
    EXPECT_EQ(host.shown().size(), 4u);
    EXPECT_EQ(host.pendingAnswers(), 0);
}

TEST_F(ToolPaletteTest, TheWidthPanelTakesPressesInItsCellsOnly)
{
    openCanvas(120, 90);
    struct Press {
        double x, y;
        int cell;  // -1: nothing changes
    };
    const Press presses[] = {
        {75, 150, 0},   {324, 399, 0},  {325, 150, 1},   {574, 150, 1},   {74, 200, -1},
        {575, 200, -1}, {200, 149, -1}, {200, 400, 2},   {400, 649, 3},   {100, 650, 4},
        {100, 1149, 6}, {574, 1149, 7}, {574, 1150, -1}, {600, 1000, -1}, {-5, 300, -1},
    };
    for (const Press &press : presses) {
        SCOPED_TRACE(::testing::Message() << press.x << "," << press.y);
        w().fraOptDot_MouseDown(1, 0, 325, 650);  // cell 5 first
        ASSERT_EQ(w().model().DotIndex, 5);
        w().fraOptDot_MouseDown(1, 0, press.x, press.y);
        const int cell = press.cell < 0 ? 5 : press.cell;
        EXPECT_EQ(w().model().DotIndex, cell);
        EXPECT_EQ(w().model().picPaint.DrawWidth, cell + 1);
        EXPECT_EQ(w().lblDot->pos(),
                  QPoint(qRound((cell % 2 == 0 ? 75 : 325) / 15.0), qRound((150 + 250 * (cell / 2)) / 15.0)));
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(outlineOf(w().shpDot[size_t(i)]), i == cell ? QColor(Qt::white) : QColor(Qt::black)) << i;
    }
    w().fraOptDot_MouseDown(2, 0, 100, 200);  // the right button changes nothing
    EXPECT_EQ(w().model().DotIndex, 5);
}

TEST_F(ToolPaletteTest, TheFillPanelTakesPressesOnItsSamplesButNotInTheGaps)
{
    openCanvas(120, 90);
    const std::pair<double, int> presses[] = {{124, -1}, {125, 0},  {424, 0},  {425, -1}, {449, -1}, {450, 1},
                                              {749, 1},  {750, -1}, {774, -1}, {775, 2},  {1074, 2}, {1075, -1}};
    const int barTops[] = {150, 465, 780};
    for (const auto &[y, option] : presses) {
        SCOPED_TRACE(y);
        w().fraOptFill_MouseDown(1, 0, 300, 500);
        ASSERT_EQ(w().model().FillOption, 1);
        w().fraOptFill_MouseDown(1, 0, 9999, y);  // x is not looked at
        const int expected = option < 0 ? 1 : option;
        EXPECT_EQ(w().model().FillOption, expected);
        EXPECT_EQ(w().lblFill->y(), qRound(barTops[expected] / 15.0));
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(outlineOf(w().shpRect[size_t(i)]), i == expected ? QColor(Qt::white) : QColor(Qt::black));
    }
    w().fraOptFill_MouseDown(2, 0, 0, 200);
    EXPECT_EQ(w().model().FillOption, 1);
}

TEST_F(ToolPaletteTest, ABrushImageIsChosenByAnyButtonAndFramedWithAFourPixelMargin)
{
    openCanvas(120, 90);
    w().imgBrush_MouseDown(7, 2, 0, 0, 0);
    EXPECT_EQ(w().model().BrushIndex, 7);
    EXPECT_EQ(w().lblBrush->pos(), w().imgBrush[7]->pos() - QPoint(4, 4));
    EXPECT_EQ(w().imgBrush[7]->pos(), QPoint(qRound(405 / 15.0), qRound((210 + 270 * 3) / 15.0)));
    w().imgBrush_MouseDown(0, 1, 0, 0, 0);
    EXPECT_EQ(w().model().BrushIndex, 0);
    EXPECT_EQ(w().lblBrush->pos(), w().imgBrush[0]->pos() - QPoint(4, 4));
}

TEST_F(ToolPaletteTest, ScriptLinesReachThePanelsAndTheStateShowsThem)
{
    openCanvas(120, 90);
    run(QStringLiteral("optTools(6).MouseDown 1 0 0 0"));
    run(QStringLiteral("optTools(6).Click"));
    run(QStringLiteral("fraOptDot.MouseDown 1 0 350 420"));
    run(QStringLiteral("fraOptFill.MouseDown 1 0 100 500"));
    run(QStringLiteral("imgBrush(3).MouseDown 1 0 0 0"));
    EXPECT_EQ(w().model().DotIndex, 3);
    EXPECT_EQ(w().model().FillOption, 1);
    EXPECT_EQ(w().model().BrushIndex, 3);
    const QString json = state();
    EXPECT_TRUE(json.contains(QStringLiteral("\"DotIndex\":3")));
    EXPECT_TRUE(json.contains(QStringLiteral("\"FillOption\":1")));
    EXPECT_TRUE(json.contains(QStringLiteral("\"pressed\":6")));
    EXPECT_TRUE(json.contains(QStringLiteral("\"fraOptFill\":true")));
    EXPECT_THROW(run(QStringLiteral("imgBrush(10).MouseDown 1 0 0 0")), ScriptError);
    EXPECT_THROW(run(QStringLiteral("fraOptDot.Click")), ScriptError);
}

}  // namespace
}  // namespace pinxel::test
