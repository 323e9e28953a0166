// Pick Color (tool 1): the colour under the pointer becomes the foreground
// colour (left press) or the fill colour (right press). While the view is
// zoomed the colour is read from the zoomed view, as the user sees it. The
// tool table makes the left stroke an undo step; the right press starts no
// stroke.

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
        const Color picked = ctx.canvas().Point(x, y);
        if (picked != NoColor)  // the canvas's border has no colour to pick
            ctx.setForegroundColor(picked);
    }

    void pressRight(int, double x, double y) override
    {
        const Color picked = ctx.canvas().Point(x, y);
        if (picked != NoColor)
            ctx.setFillColor(picked);
    }
};

}  // namespace

std::unique_ptr<Tool> makePickColor(ToolContext &context, int index)
{
    return std::make_unique<PickColor>(context, index);
}

}  // namespace pinxel
