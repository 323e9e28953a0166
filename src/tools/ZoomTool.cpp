#include "tools/ZoomTool.h"

#include "pinxel/HostServices.h"
#include "pinxel/PictureSurface.h"
#include "tools/ToolContext.h"
#include "tools/Tools.h"

namespace pinxel {

namespace {
constexpr double ZoomStep = 1.25;
constexpr double LargestZoomTwips = 100000;
}  // namespace

void fillZoomStore(PictureSurface &store, const PictureSurface &canvas)
{
    store.Move(0, 0, canvas.Width(), canvas.Height());
    // Back from a zoom with nothing drawn since, the canvas still shares the
    // store's pixels: there is nothing to copy.
    if (store.Image().constBits() != canvas.Image().constBits())
        store.copyPicture(canvas.Image());
}

void keepPictureAtActualSize(ToolContext &context)
{
    if (context.state().ZoomFactor == 1.0f)
        fillZoomStore(context.zoomStore(), context.canvas());
}

std::optional<QPoint> ZoomTool::step(bool out, double x, double y)
{
    EditorState &s = ctx.state();
    PictureSurface &store = ctx.zoomStore();
    if (s.ZoomFactor == 1.0f)
        fillZoomStore(store, ctx.canvas());
    const double tx = ctx.host().TwipsPerPixelX(), ty = ctx.host().TwipsPerPixelY();
    if (out) {
        s.ZoomFactor = float(double(s.ZoomFactor) / ZoomStep);
        return QPoint(toInt32(tx * x / ZoomStep), toInt32(ty * y / ZoomStep));
    }
    const double grown = double(s.ZoomFactor) * ZoomStep * 2;
    if (store.Width() * grown > LargestZoomTwips || store.Height() * grown > LargestZoomTwips)
        return std::nullopt;
    s.ZoomFactor = float(double(s.ZoomFactor) * ZoomStep);
    return QPoint(toInt32(tx * x * ZoomStep), toInt32(ty * y * ZoomStep));
}

void ZoomTool::release(int shift, double x, double y)
{
    if (const std::optional<QPoint> at = step(shift == 2, x, y))
        ctx.SetZoomView(at->x(), at->y(), FlagFalse);
}

std::unique_ptr<Tool> makeZoom(ToolContext &context, int index) { return std::make_unique<ZoomTool>(context, index); }

}  // namespace pinxel
