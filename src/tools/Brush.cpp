// The brush (tool 16): at the press and at every move one stamp of the
// chosen shape (BrushIndex) in the foreground colour, three times the pen
// width in radius and one pixel thin.

#include "document/mdlGeneral.h"
#include "pinxel/PictureSurface.h"
#include "tools/BrushShapes.h"
#include "tools/Freehand.h"
#include "tools/Tool.h"
#include "tools/ToolContext.h"
#include "tools/Tools.h"

namespace pinxel {

void StampBrush(PictureSurface &canvas, std::int16_t shapeFillStyle, std::int32_t shape, float x, float y)
{
    const int width = canvas.DrawWidth;
    try {
        canvas.DrawWidth = 1;
        const std::int16_t r = mul16(3, width);
        drawBrushShape(canvas, shape, x, y, r, shapeFillStyle);
        canvas.DrawWidth = width;
    } catch (const Error &error) {
        // The pen stays at 1 until the next press.
        ReportError(ReportDescription, error.description());
    }
}

namespace {

class Brush : public Tool {
public:
    using Tool::Tool;

    void press(int, int x, int y) override { stamp(x, y); }
    void move(int, double x, double y) override { stamp(x, y); }

private:
    void stamp(double x, double y)
    {
        useCopyPen(ctx.foregroundColor());
        PictureSurface &canvas = ctx.canvas();
        canvas.FillColor = ctx.foregroundColor();
        const EditorState &s = ctx.state();
        StampBrush(canvas, s.ShapeFillStyle, s.BrushIndex, float(x), float(y));
    }
};

}  // namespace

std::unique_ptr<Tool> makeBrush(ToolContext &context, int index) { return std::make_unique<Brush>(context, index); }

}  // namespace pinxel
