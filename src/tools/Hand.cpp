// Hand (tool 17): a left drag pans the view through the scroll bars. For the
// drag the canvas counts in twips, so the pointer's positions and the canvas's
// place share one unit; each move sets the bars so that the picture follows
// the pointer, within the bars' range. The grabbing hand shows while dragging.

#include "pinxel/HostServices.h"
#include "pinxel/PictureSurface.h"
#include "tools/Tool.h"
#include "tools/ToolContext.h"
#include "tools/Tools.h"

#include <algorithm>

namespace pinxel {

namespace {

class Hand : public Tool {
public:
    using Tool::Tool;

    void press(int, int x, int y) override
    {
        PictureSurface &canvas = ctx.canvas();
        EditorState &s = ctx.state();
        canvas.setScaleMode(ScaleTwips);
        ctx.setCanvasPointer(QStringLiteral("handgrab.cur"));  // a missing file ends the press here
        s.StartX = toInt32(ctx.host().TwipsPerPixelX() * x + canvas.Left());
        s.StartY = toInt32(ctx.host().TwipsPerPixelY() * y + canvas.Top());
        s.DragOriginX = toInt32(canvas.Left());
        s.DragOriginY = toInt32(canvas.Top());
        s.IsDragging = FlagTrue;
    }

    // x, y in twips of the canvas.
    void move(int, double x, double y) override
    {
        EditorState &s = ctx.state();
        if (!isSet(s.IsDragging))
            return;
        PictureSurface &canvas = ctx.canvas();
        pan(ScrollAxis::Horizontal, canvas.Left(), s.StartX, s.DragOriginX, x, ctx.host().TwipsPerPixelX());
        pan(ScrollAxis::Vertical, canvas.Top(), s.StartY, s.DragOriginY, y, ctx.host().TwipsPerPixelY());
        canvas.Refresh();
    }

    void release(int, double, double) override
    {
        ctx.state().IsDragging = FlagFalse;
        ctx.canvas().setScaleMode(ScalePixels);
        ctx.setCanvasPointer(QStringLiteral("handflat.cur"));
    }

private:
    // One bar: the canvas edge wanted where the pointer has taken it since
    // the press, and the bar's value that puts it there, in 16 bits as the
    // documents compute them (a far-off canvas fails the move).
    void pan(ScrollAxis axis, double edge, std::int32_t start, std::int32_t origin, double pointer, double perPixel)
    {
        const ScrollPosition bar = ctx.scrollPosition(axis);
        if (!bar.shown)
            return;
        const std::int16_t wanted = toInt16(origin - (start - (edge + pointer)));
        const std::int16_t value = toInt16((edge - wanted) / perPixel + bar.value);
        ctx.scrollTo(axis, std::clamp<int>(value, bar.minimum, bar.maximum));
    }
};

}  // namespace

std::unique_ptr<Tool> makeHand(ToolContext &context, int index) { return std::make_unique<Hand>(context, index); }

}  // namespace pinxel
