// The edit path: a command's change goes, after a zoomed view returned to
// actual size, to the floating selection while it shows (marquee toggled
// around it, no undo step), else to the canvas after the finish action (one
// undo step), and the window is laid out again when the canvas changed size.
// Undo steps keep the picture at actual size, never a zoomed view.

#include "document/EditPath.h"
#include "pinxel/PictureSurface.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pinxel::test {
namespace {

class Site : public EditSite {
public:
    PictureSurface picPaint, picSelect, picZoom;
    bool selectionShown = false;
    bool zoomed = false;
    std::vector<std::string> calls;

    PictureSurface &canvas() override { return picPaint; }
    const PictureSurface &pictureAtActualSize() override { return zoomed ? picZoom : picPaint; }
    void showActualSize() override { calls.push_back("actual size"); }
    PictureSurface *shownSelection() override { return selectionShown ? &picSelect : nullptr; }
    void finishAction() override { calls.push_back("finish"); }
    void DrawSelectionRect() override { calls.push_back("marquee"); }
    void layOut() override { calls.push_back("layout"); }
};

TEST(EditPathTest, ChoosesTheTargetAndRecordsOrMarksAsTheTargetNeeds)
{
    struct Case {
        const char *what;
        bool selectionShown;
        int grow;  // pixels the change adds to the canvas
        std::vector<std::string> calls;
        int undoSteps;
    };
    const Case cases[] = {
        {"canvas", false, 0, {"actual size", "finish", "change canvas"}, 1},
        {"canvas resized", false, 5, {"actual size", "finish", "change canvas", "layout"}, 1},
        {"selection", true, 0, {"actual size", "marquee", "change selection", "marquee"}, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Site site;
        site.picPaint.setScaleMode(ScalePixels);
        site.picPaint.AutoSize = true;
        holdPicture(site.picPaint, filledImage(20, 10, 0xFFFFFF));
        site.selectionShown = c.selectionShown;
        EditorState state;
        UndoRing ring(state, site.picPaint);
        ring.ClearImageBuffer();
        EditPath path(site, ring);

        path.apply([&](PictureSurface &target) {
            site.calls.push_back(&target == &site.picPaint ? "change canvas" : "change selection");
            if (c.grow)
                target.setPixelSize(target.pixelWidth() + c.grow, target.pixelHeight());
        });
        EXPECT_EQ(site.calls, c.calls);
        EXPECT_EQ(state.UndoCurrent, c.undoSteps);
        EXPECT_EQ(state.IsDirty, c.undoSteps ? FlagTrue : FlagFalse);
    }
}

TEST(EditPathTest, ARecordedChangeIsOneUndoStepThatRestoresItsSize)
{
    Site site;
    site.picPaint.setScaleMode(ScalePixels);
    site.picPaint.AutoSize = true;
    holdPicture(site.picPaint, filledImage(20, 10, 0xFFFFFF));
    EditorState state;
    UndoRing ring(state, site.picPaint);
    std::vector<std::pair<bool, bool>> told;
    ring.availabilityChanged = [&](UndoRing::Availability a) { told.emplace_back(a.undo, a.redo); };
    ring.ClearImageBuffer();
    EditPath path(site, ring);

    const double narrow = site.picPaint.Width();
    site.picPaint.setPixelSize(30, 10);
    site.picPaint.SetPixel(25, 5, 0x0000FF);
    path.record();
    EXPECT_TRUE(site.calls.empty());  // the change laid itself out
    ring.stepBack();
    EXPECT_DOUBLE_EQ(site.picPaint.Width(), narrow);
    ring.stepForward();
    EXPECT_EQ(site.picPaint.pixelWidth(), 30);
    EXPECT_EQ(site.picPaint.GetPixel(25, 5), 0x0000FF);
    EXPECT_EQ(told, (std::vector<std::pair<bool, bool>>{{false, false}, {true, false}, {false, true}, {true, false}}));
}

TEST(EditPathTest, AStepRecordedWhileZoomedKeepsThePictureAtActualSize)
{
    Site site;
    for (PictureSurface *surface : {&site.picPaint, &site.picZoom}) {
        surface->setScaleMode(ScalePixels);
        surface->AutoSize = true;
    }
    holdPicture(site.picZoom, filledImage(20, 10, 0x0000FF));
    holdPicture(site.picPaint, filledImage(50, 25, 0x0000FF));  // the view, 2.5 times
    EditorState state;
    UndoRing ring(state, site.picPaint);
    ring.ClearImageBuffer();
    EditPath path(site, ring);
    site.zoomed = true;
    path.record();
    ring.stepBack();
    ring.stepForward();
    EXPECT_TRUE(sameImage(site.picPaint.Image(), filledImage(20, 10, 0x0000FF)));
}

}  // namespace
}  // namespace pinxel::test
