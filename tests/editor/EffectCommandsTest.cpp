// The Effect and Filter menus and the filter brush in the editor: each
// command's picture and undo steps on the canvas, the same commands on a
// floating selection, the size guard and the check marks.

#include "imaging/EffectReference.h"
#include "imaging/mdlEffect.h"
#include "imaging/mdlFilter.h"
#include "support/EditorFixture.h"

namespace pinxel::test {
namespace {

class EffectCommandsTest : public EditorFixture {
protected:
    QImage picture = randomImage(60, 40, 17);

    void SetUp() override
    {
        EditorFixture::SetUp();
        openCanvas(60, 40, picture);
    }
    void clickItem(const QString &item) { w().model().events().raise(item + QStringLiteral(".Click")); }
    bool checked(const char *item) { return w().model().item(QString::fromLatin1(item)).checked; }
    // The engine's result on the picture, the way the menu runs it.
    QImage filtered(int filter) const
    {
        PictureSurface surface;
        holdPicture(surface, picture);
        int left = -1, top = -1, right = -1, bottom = -1;
        FilterPicture(filter, surface, left, top, right, bottom);
        return surface.Image().copy();
    }
};

TEST_F(EffectCommandsTest, EachCommandChangesTheCanvasWithItsUndoSteps)
{
    QImage inverted = picture;
    inverted.invertPixels();
    const struct {
        const char *item;
        QImage expected;
        int steps;
    } cases[] = {
        {"mnuFlipHorizontal", picture.mirrored(true, false), 1},
        {"mnuFlipVertical", picture.mirrored(false, true), 1},
        {"mnuInvertColors", inverted, 1},
        {"mnuRotate90", referenceQuarterTurn(picture, false), 1},  // clockwise: the check mark at start
        {"mnuRotate270", referenceQuarterTurn(picture, true), 1},
        {"mnuRotate180", picture.mirrored(true, true), 2},  // two flips
        {"mnuResize200", picture.scaled(120, 80), 1},
        {"mnuBlacknWhite", filtered(FilterBlackWhite), 1},
        {"mnuBlur", filtered(FilterBlur), 1},
        {"mnuBrightness", filtered(FilterBrightness), 1},
        {"mnuCrease", filtered(FilterCrease), 1},
        {"mnuDarkness", filtered(FilterDarkness), 1},
        {"mnuEmboss", filtered(FilterEmboss), 1},
        {"mnuGrayBlacknWhite", filtered(FilterGrayBlackWhite), 1},
        {"mnuGrayscale", filtered(FilterGrayscale), 1},
        {"mnuSharpen", filtered(FilterSharpen), 1},
        {"mnuSnow", filtered(FilterSnow), 1},
        {"mnuWave", filtered(FilterWave), 1},
    };
    for (const auto &c : cases) {
        run(QStringLiteral("load ") + pictureFile(QStringLiteral("p.bmp"), picture));
        const int before = w().model().UndoCurrent;
        clickItem(QString::fromLatin1(c.item));
        EXPECT_TRUE(sameImage(c.expected, canvas())) << c.item;
        EXPECT_EQ(w().model().UndoCurrent - before, c.steps) << c.item;
        EXPECT_EQ(w().model().IsDirty, FlagTrue) << c.item;
        EXPECT_EQ(QSize(int(w().model().picPaint.ScaleWidth()), int(w().model().picPaint.ScaleHeight())),
                  c.expected.size())
            << c.item;
    }
    clickItem(QStringLiteral("mnuUndo"));
    EXPECT_TRUE(sameImage(picture, canvas()));  // Wave, undone
    clickItem(QStringLiteral("mnuDiffuse"));
    EXPECT_GT(countDifferences(picture, canvas()), 0);
}

TEST_F(EffectCommandsTest, ReplaceColorsTakesTheSwatchesAndAlwaysStoresAStep)
{
    const QRgb present = picture.pixel(5, 5);
    w().model().setForegroundColor(fromQRgb(present));
    w().model().setFillColor(composeColor(0, 255, 0));
    clickItem(QStringLiteral("mnuReplaceColors"));
    EXPECT_EQ(canvas().pixel(5, 5), qRgb(0, 255, 0));
    EXPECT_EQ(countDifferences(picture, canvas()), 1);

    const QImage before = canvas();
    const int steps = w().model().UndoCurrent;
    w().model().setFillColor(fromQRgb(before.pixel(9, 9)));
    w().model().setForegroundColor(fromQRgb(before.pixel(9, 9)));
    clickItem(QStringLiteral("mnuReplaceColors"));
    EXPECT_TRUE(sameImage(before, canvas()));
    EXPECT_EQ(w().model().UndoCurrent, steps + 1);
}

TEST_F(EffectCommandsTest, OnAFloatingSelectionOnlyTheSelectionChangesUntilItIsDropped)
{
    selectTool(ToolSelectArea);
    drag(10, 10, 20, 15);  // the 9 x 4 selection at (11, 11)
    const QImage lifted = w().model().picSelect.Image().copy();
    const int steps = w().model().UndoCurrent;
    clickItem(QStringLiteral("mnuRotate90"));
    EXPECT_TRUE(sameImage(referenceQuarterTurn(lifted, false), w().model().picSelect.Image()));
    for (const char *item : {"mnuBlur", "mnuInvertColors", "mnuResize200", "mnuRotate45"})
        clickItem(QString::fromLatin1(item));
    EXPECT_EQ(w().model().UndoCurrent, steps);
    EXPECT_EQ(w().model().picSelect.Image().size(), QSize(8, 18));  // turned, then doubled; 45 degrees keeps the size
    w().model().DrawSelectionRect();                                // the marquee off: the canvas under it is as it was
    EXPECT_TRUE(sameImage(picture, canvas()));
    w().model().DrawSelectionRect();

    selectTool(ToolPencil);  // drops the changed selection: one step
    EXPECT_EQ(w().model().UndoCurrent, steps + 1);
    EXPECT_FALSE(w().model().picSelect.Visible());
    EXPECT_GT(countDifferences(picture, canvas()), 0);
}

TEST_F(EffectCommandsTest, TheSizeGuardRefusesButStillStoresAStep)
{
    const struct {
        int width, height;
        const char *axis, *item;
        QSize after;
    } cases[] = {
        {1700, 1000, "mnuResizeBoth", "mnuResize200", {1700, 1000}},   // 1700 x 15 x 2 = 51000 twips
        {1000, 1700, "mnuResizeWidth", "mnuResize200", {1000, 1700}},  // the height is tested too
        {200, 100, "mnuResizeHeight", "mnuResize50", {200, 50}},
        {200, 100, "mnuResizeWidth", "mnuResize25", {50, 100}},
        {200, 100, "mnuResizeBoth", "mnuResize150", {300, 150}},
    };
    for (const auto &c : cases) {
        openCanvas(c.width, c.height);
        clickItem(QString::fromLatin1(c.axis));
        for (const char *axis : {"mnuResizeBoth", "mnuResizeWidth", "mnuResizeHeight"})
            EXPECT_EQ(checked(axis), std::string(axis) == c.axis) << axis;
        clickItem(QString::fromLatin1(c.item));
        EXPECT_EQ(canvas().size(), c.after) << c.item << " of " << c.width << " x " << c.height;
        EXPECT_EQ(w().model().UndoCurrent, 1) << c.item;
    }
}

TEST_F(EffectCommandsTest, TheRotationCheckMarksChooseTheDirection)
{
    EXPECT_TRUE(checked("mnuRotateClockwise"));
    clickItem(QStringLiteral("mnuRotateAntiClockwise"));
    EXPECT_FALSE(checked("mnuRotateClockwise"));
    EXPECT_TRUE(checked("mnuRotateAntiClockwise"));
    clickItem(QStringLiteral("mnuRotate90"));
    EXPECT_TRUE(sameImage(referenceQuarterTurn(picture, true), canvas()));
    EXPECT_EQ(RotateClockwise, FlagFalse);
}

TEST_F(EffectCommandsTest, TheFilterBrushFiltersItsSquareAtEveryEventAsOneStroke)
{
    host.dismissPopupMenu();
    selectTool(ToolFilterBrush);
    EXPECT_EQ(w().model().FilterBrushFilter, FilterBrightness);
    choosePenWidth(2);  // DotIndex 1: 3 x 3 squares
    w().picPaint_MouseDown(1, 0, 10, 10);
    w().picPaint_MouseMove(1, 0, 30.4, 20.6);
    w().picPaint_MouseUp(1, 0, 30, 21);
    EXPECT_EQ(w().model().UndoCurrent, 1);
    QImage expected = picture;
    for (const QPoint centre : {QPoint(10, 10), QPoint(30, 21)})
        for (int y = centre.y() - 1; y <= centre.y() + 1; ++y)
            for (int x = centre.x() - 1; x <= centre.x() + 1; ++x) {
                const QRgb p = expected.pixel(x, y);
                expected.setPixel(
                    x, y, qRgb(std::min(qRed(p) + 2, 255), std::min(qGreen(p) + 2, 255), std::min(qBlue(p) + 2, 255)));
            }
    EXPECT_TRUE(sameImage(expected, canvas()));

    // A centre off the canvas filters what its square covers of it.
    const struct {
        int width, x, y, changed;
    } edges[] = {{3, -2, 5, 5}, {2, -2, 5, 0}, {1, 0, 0, 1}};
    for (const auto &e : edges) {
        const QImage before = canvas();
        choosePenWidth(e.width);
        w().picPaint_MouseDown(1, 0, e.x, e.y);
        w().picPaint_MouseUp(1, 0, e.x, e.y);
        EXPECT_EQ(countDifferences(before, canvas()), e.changed) << e.x << ", " << e.y << " width " << e.width;
    }
}

TEST_F(EffectCommandsTest, ThePopUpChoosesTheBrushFilterWithItsCheckMark)
{
    EXPECT_TRUE(checked("mnuFilterTools(2)"));
    host.answerPopupMenu(2);  // the third shown item: Dirty, engine filter 4
    selectTool(ToolFilterBrush);
    EXPECT_EQ(w().model().FilterBrushFilter, FilterDarkness);
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(w().model().item(QStringLiteral("mnuFilterTools(%1)").arg(i)).checked, i == 4) << i;
    int shown = 0;
    for (int i = 0; i < 14; ++i)
        shown += w().model().item(QStringLiteral("mnuFilterTools(%1)").arg(i)).visible;
    EXPECT_EQ(shown, 7);
}

}  // namespace
}  // namespace pinxel::test
