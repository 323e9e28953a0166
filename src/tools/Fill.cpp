// Fill (tool 3): at the press, the area of the clicked pixel's exact colour
// (4-neighbours) is painted in the foreground colour with the fill style
// chosen for shapes, hatches included. The tool table makes the stroke an
// undo step, even when nothing visible changed.

#include "pinxel/PictureSurface.h"
#include "tools/Tool.h"
#include "tools/ToolContext.h"
#include "tools/Tools.h"

namespace pinxel {

namespace {

class Fill : public Tool {
public:
    using Tool::Tool;

    void press(int, int x, int y) override
    {
        PictureSurface &canvas = ctx.canvas();
        canvas.DrawMode = DrawModeCopyPen;
        canvas.FillColor = ctx.foregroundColor();
        canvas.FillStyle = ctx.state().ShapeFillStyle;
        const Color under = canvas.Point(x, y);
        if (under != NoColor)
            canvas.ExtFloodFill(x, y, under, FloodFillSurface);
    }
};

}  // namespace

std::unique_ptr<Tool> makeFill(ToolContext &context, int index) { return std::make_unique<Fill>(context, index); }

}  // namespace pinxel
