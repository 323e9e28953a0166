// Fill, Pick Color, Zoom and Hand as a user meets them, and the zoomed view:
// its steps and limit, the returns to actual size, and the undo steps and
// commands taken while zoomed, which always keep the picture at real size.

#include "support/EditorFixture.h"

#include "imaging/mdlEffect.h"
#include "pinxel/Screen.h"

#include <QScrollBar>

#include <cmath>

namespace pinxel::test {
namespace {

constexpr Color White = 0xFFFFFF;
constexpr Color Red = composeColor(255, 0, 0);
constexpr Color Blue = composeColor(0, 0, 255);

class ViewToolsTest : public EditorFixture {
protected:
    // A 400 x 400 picture of random pixels, with the Zoom tool chosen.
    QImage zoomable()
    {
        const QImage picture = randomImage(400, 400, 7);
        openCanvas(0, 0, picture);
        selectTool(ToolZoom);
        return picture;
    }
    bool handlesShown()
    {
        for (QWidget *handle : w().picPaintResize)
            if (handle->isHidden())
                return false;
        return true;
    }
};

TEST_F(ViewToolsTest, FillPaintsTheClickedColoursAreaInTheForegroundColourAndFillStyle)
{
    for (const int style : {FillSolid, FillCross, FillUpwardDiagonal}) {
        SCOPED_TRACE(style);
        QImage picture = filledImage(40, 20, White);
        for (int y = 0; y < 20; ++y)
            picture.setPixel(20, y, toQRgb(0xFFFFFE));  // a wall one unit off white
        if (!frmPaint::exists())
            openCanvas(0, 0, picture);
        w().model().picPaint.setPicture(picture);
        w().model().ClearImageBuffer();
        w().model().setForegroundColor(Red);
        run(QStringLiteral("mnuFS(%1).Click").arg(style));
        selectTool(ToolFill);
        click(5, 5);
        const QImage after = canvas();
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 40; ++x) {
                const bool painted = x < 20 && hatchCovers(style, x, y);
                ASSERT_EQ(after.pixel(x, y), painted ? toQRgb(Red) : picture.pixel(x, y)) << x << "," << y;
            }
        }
        EXPECT_EQ(w().model().UndoCurrent, 1) << "a step even when nothing changed";
    }
}

TEST_F(ViewToolsTest, PickColorSetsTheForegroundWithAStepOrTheFillWithout)
{
    QImage picture = filledImage(20, 20, White);
    picture.setPixel(3, 4, toQRgb(Red));
    picture.setPixel(5, 6, toQRgb(Blue));
    openCanvas(0, 0, picture);
    selectTool(ToolPickColor);
    click(3, 4);
    EXPECT_EQ(w().model().foregroundColor(), Red);
    EXPECT_EQ(w().model().fillColor(), White);
    EXPECT_EQ(w().model().UndoCurrent, 1);
    click(5, 6, 2);
    EXPECT_EQ(w().model().fillColor(), Blue);
    EXPECT_EQ(w().model().foregroundColor(), Red);
    EXPECT_EQ(w().model().UndoCurrent, 1) << "the right button starts no stroke";
    EXPECT_TRUE(sameImage(canvas(), picture));
}

// While zoomed in or out, Pick Color takes the colour of the picture's own
// pixel under the pointer, never a blend the view made at an edge.
TEST_F(ViewToolsTest, PickColorWhileZoomedTakesThePicturesOwnPixel)
{
    const QImage picture = zoomable();
    for (const int steps : {1, 3, -1}) {
        SCOPED_TRACE(steps);
        selectTool(ToolZoom);
        for (int i = 0; i < std::abs(steps); ++i)
            click(200, 200, 1, steps < 0 ? 2 : 0);
        selectTool(ToolPickColor);
        const int viewWidth = w().model().picPaint.pixelWidth(), viewHeight = w().model().picPaint.pixelHeight();
        for (const QPoint at : {QPoint(0, 0), QPoint(1, 2), QPoint(57, 33), QPoint(viewWidth - 1, viewHeight - 1)}) {
            const QRgb own = picture.pixel(int(std::int64_t(at.x()) * 400 / viewWidth),
                                           int(std::int64_t(at.y()) * 400 / viewHeight));
            click(at.x(), at.y());
            click(at.x(), at.y(), 2);
            EXPECT_EQ(toQRgb(w().model().foregroundColor()), own) << at.x() << "," << at.y();
            EXPECT_EQ(toQRgb(w().model().fillColor()), own) << at.x() << "," << at.y();
        }
        selectTool(ToolPencil);  // back to actual size
    }
}

TEST_F(ViewToolsTest, ZoomStepsByAQuarterUntilTheLimitAndReturnsPixelForPixel)
{
    const QImage picture = zoomable();
    float factor = 1.0f;
    for (int step = 1; step <= 9; ++step) {
        click(200, 200);
        factor = float(double(factor) * 1.25);
        ASSERT_EQ(w().model().ZoomFactor, factor) << step;
        ASSERT_EQ(w().model().picPaint.pixelWidth(), ResizedSide(400, factor)) << step;
    }
    EXPECT_FALSE(handlesShown());
    const QImage view = canvas();
    click(200, 200);  // 2.5 x 6000 twips x 7.45 passes 100000
    EXPECT_EQ(w().model().ZoomFactor, factor);
    EXPECT_TRUE(sameImage(canvas(), view));

    click(10, 10, 1, 2);  // Ctrl: out
    EXPECT_EQ(w().model().ZoomFactor, float(double(factor) / 1.25));
    EXPECT_EQ(w().model().UndoCurrent, 0) << "zoom steps are no undo steps";
    EXPECT_EQ(w().model().picZoom.pixelWidth(), 400);

    selectTool(ToolPencil);
    EXPECT_EQ(w().model().ZoomFactor, 1.0f);
    EXPECT_TRUE(sameImage(canvas(), picture));
    EXPECT_TRUE(handlesShown());

    selectTool(ToolZoom);
    click(0, 0, 1, 2);
    click(0, 0, 1, 2);
    EXPECT_EQ(w().model().ZoomFactor, float(0.8 / 1.25));
    EXPECT_EQ(w().model().picPaint.pixelWidth(), 256);
}

TEST_F(ViewToolsTest, AZoomBringsThePointToTheMiddleAsFarAsTheBarsGo)
{
    zoomable();
    w().setWidth(6000);
    w().setHeight(6000);
    struct Case {
        int x, y;
        const char *where;
    } const cases[] = {{0, 0, "start"}, {399, 399, "end"}, {200, 200, "middle"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.where);
        selectTool(ToolZoom);  // back to actual size first
        click(c.x, c.y);
        click(c.x * 5 / 4, c.y * 5 / 4);
        for (QScrollBar *bar : {w().hscPaint, w().vscPaint}) {
            ASSERT_TRUE(bar->isVisibleTo(w().client));
            if (c.x == 0)
                EXPECT_EQ(bar->value(), 0);
            else if (c.x == 399)
                EXPECT_EQ(bar->value(), bar->maximum());
            else
                EXPECT_NEAR(bar->value(), bar->maximum() / 2, bar->maximum() / 10);
        }
    }
}

TEST_F(ViewToolsTest, EveryReturnToActualSizeGivesThePictureBack)
{
    struct Case {
        const char *what;
        std::function<void()> act;
        bool returns;
    };
    const Case cases[] = {
        {"Pencil chosen", [&] { selectTool(ToolPencil); }, true},
        {"Pick Color chosen", [&] { selectTool(ToolPickColor); }, false},
        {"Hand chosen", [&] { selectTool(ToolHand); }, false},
        {"Undo", [&] { w().mnuUndo_Click(); }, true},
        {"Redo", [&] { w().mnuRedo_Click(); }, true},
        {"Save",
         [&] {
             w().model().CurrentFileName = path(QStringLiteral("saved.bmp"));
             w().mnuSave_Click();
         },
         true},
        {"Print",
         [&] {
             host.answerPrinter(1);
             w().mnuPrint_Click();
         },
         true},
    };
    const QImage picture = zoomable();
    selectTool(ToolPickColor);
    click(1, 1);  // a step that changes nothing, for Undo and Redo
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        selectTool(ToolZoom);
        click(100, 100);
        c.act();
        EXPECT_EQ(w().model().ZoomFactor == 1.0f, c.returns);
        if (c.returns) {
            EXPECT_TRUE(sameImage(canvas(), picture));
            EXPECT_TRUE(handlesShown());
        }
    }
    EXPECT_TRUE(sameImage(host.LoadPicture(path(QStringLiteral("saved.bmp"))), picture)) << "saved at real size";
}

TEST_F(ViewToolsTest, StepsAndCommandsWhileZoomedKeepThePictureAtRealSize)
{
    const QImage picture = zoomable();
    click(100, 100);
    selectTool(ToolPickColor);
    click(10, 10);  // a stroke while zoomed: an undo step
    ASSERT_EQ(w().model().UndoCurrent, 1);
    w().mnuUndo_Click();
    w().mnuRedo_Click();
    EXPECT_TRUE(sameImage(canvas(), picture)) << "the step kept the picture, not the view";

    selectTool(ToolZoom);
    click(100, 100);
    run(QStringLiteral("mnuGrayscale.Click"));
    EXPECT_EQ(w().model().ZoomFactor, 1.0f);
    const QImage filtered = canvas();
    w().model().picPaint.setPicture(picture);
    run(QStringLiteral("mnuGrayscale.Click"));
    EXPECT_TRUE(sameImage(filtered, canvas())) << "the filter worked on the picture at actual size";
    w().mnuUndo_Click();
    EXPECT_EQ(w().model().picPaint.pixelWidth(), 400);
}

TEST_F(ViewToolsTest, TheHandPansThroughTheBarsWithinTheirRange)
{
    open(true);
    run(QStringLiteral("canvas 3000 1500"));
    w().model().ClearImageBuffer();
    selectTool(ToolHand);
    EXPECT_EQ(w().model().canvasPointerFile(), QStringLiteral("handflat.cur"));
    const double tx = twipsPerPixelX();
    w().picPaint_MouseDown(1, 0, 100, 100);
    EXPECT_EQ(w().model().canvasPointerFile(), QStringLiteral("handgrab.cur"));
    EXPECT_EQ(w().model().IsDragging, FlagTrue);
    // Moves arrive in twips of the canvas: 30 pixels left and 20 up.
    w().picPaint_MouseMove(1, 0, 70 * tx, 80 * tx);
    EXPECT_EQ(w().hscPaint->value(), 30);
    EXPECT_EQ(w().vscPaint->value(), 20);
    w().picPaint_MouseMove(1, 0, 600 * tx, 600 * tx);  // well right and down: the bars stop at 0
    EXPECT_EQ(w().hscPaint->value(), 0);
    EXPECT_EQ(w().vscPaint->value(), 0);
    w().picPaint_MouseUp(1, 0, 0, 0);
    EXPECT_EQ(w().model().picPaint.ScaleMode(), ScalePixels);
    EXPECT_EQ(w().model().canvasPointerFile(), QStringLiteral("handflat.cur"));
    EXPECT_EQ(w().model().IsDragging, FlagFalse);
    EXPECT_EQ(w().model().UndoCurrent, 1);

    // A canvas far enough left leaves the 16 bits of the pan: that move fails.
    w().hscPaint->setValue(w().hscPaint->maximum());
    const int value = w().hscPaint->value();
    ASSERT_LT(w().model().picPaint.Left(), -32768);
    host.answerMsgBox(AnswerOk);
    w().picPaint_MouseDown(1, 0, 100, 100);
    w().picPaint_MouseMove(1, 0, 50 * tx, 100 * tx);
    EXPECT_EQ(w().hscPaint->value(), value);
    EXPECT_EQ(host.messages().size(), 1);
}

TEST_F(ViewToolsTest, AMissingHandPointerStopsThePressAndTheReleaseEndsTheStroke)
{
    host.appPath = folder();  // no pointer files here
    openCanvas(2000, 1500);
    selectTool(ToolHand);
    host.answerMsgBox(AnswerOk);
    w().picPaint_MouseDown(1, 0, 100, 100);
    EXPECT_EQ(host.messages(), QStringList{QStringLiteral(
                                   "Cannot drawing using the selected tool.\r\n\r\nThe needed file may be missing.")});
    EXPECT_EQ(w().model().IsDragging, FlagFalse);
    w().picPaint_MouseMove(1, 0, 0, 0);
    EXPECT_EQ(w().hscPaint->value(), 0) << "no pan started";
    host.answerMsgBox(AnswerOk);  // the release's pointer is missing too
    w().picPaint_MouseUp(1, 0, 0, 0);
    EXPECT_EQ(w().model().picPaint.ScaleMode(), ScalePixels);
}

}  // namespace
}  // namespace pinxel::test
