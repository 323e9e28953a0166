// The eraser (tool 2): at the press and at every move, a box w pixels on a
// side outlined with the pen w pixels wide, in the canvas background colour:
// a solid square about twice the pen width, above and right of the pointer.

#include "pinxel/PictureSurface.h"
#include "tools/Tool.h"
#include "tools/ToolContext.h"
#include "tools/Tools.h"

namespace pinxel {

namespace {

class Eraser : public Tool {
public:
    using Tool::Tool;

    void press(int, int x, int y) override
    {
        useCopyPen(ctx.canvas().BackColor);  // not the fill swatch
        stamp(x, y);
    }

    // Moves keep the pen the press set.
    void move(int, double x, double y) override { stamp(x, y); }

private:
    void stamp(double x, double y)
    {
        PictureSurface &canvas = ctx.canvas();
        const int w = canvas.DrawWidth;
        canvas.Line(x, y, x + w, y - w, std::nullopt, LineForm::Box);
    }
};

}  // namespace

std::unique_ptr<Tool> makeEraser(ToolContext &context, int index) { return std::make_unique<Eraser>(context, index); }

}  // namespace pinxel
