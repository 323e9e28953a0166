// Pick Color (tool 1): the colour under the pointer becomes the foreground
// colour (left press) or the fill colour (right press). While the view is
// zoomed the colour is the picture's own pixel that the view shows there,
// never a blend the view made of its neighbours. The tool table makes the
// left stroke an undo step; the right press starts no stroke.

#include "imaging/mdlEffect.h"
#include "pinxel/PictureSurface.h"
#include "tools/Tool.h"
#include "tools/ToolContext.h"
#include "tools/Tools.h"

namespace pinxel {

namespace {

class PickColor : public Tool {
public:
    using Tool::Tool;

    void press(int, int x, int y) override
    {
        const Color picked = colorAt(x, y);
        if (picked != NoColor)  // the canvas's border has no colour to pick
            ctx.setForegroundColor(picked);
    }

    void pressRight(int, double x, double y) override
    {
        const Color picked = colorAt(x, y);
        if (picked != NoColor)
            ctx.setFillColor(picked);
    }

private:
    Color colorAt(double x, double y)
    {
        const PictureSurface &view = ctx.canvas();
        if (ctx.state().ZoomFactor == 1.0f)
            return view.Point(x, y);
        const int px = view.toPixelX(x), py = view.toPixelY(y);
        if (px < 0 || py < 0 || px >= view.pixelWidth() || py >= view.pixelHeight())
            return NoColor;
        const PictureSurface &picture = ctx.zoomStore();
        return picture.GetPixel(ZoomViewSource(px, view.pixelWidth(), picture.pixelWidth()),
                                ZoomViewSource(py, view.pixelHeight(), picture.pixelHeight()));
    }
};

}  // namespace

std::unique_ptr<Tool> makePickColor(ToolContext &context, int index)
{
    return std::make_unique<PickColor>(context, index);
}

}  // namespace pinxel
