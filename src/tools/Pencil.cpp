// The pencil (tool 4): a square dot of the pen width at the press, then a
// chain of straight segments between consecutive pointer positions.

#include "pinxel/PictureSurface.h"
#include "tools/Tool.h"
#include "tools/ToolContext.h"
#include "tools/Tools.h"

namespace pinxel {

namespace {

class Pencil : public Tool {
public:
    using Tool::Tool;

    void press(int, int x, int y) override
    {
        useCopyPen(ctx.foregroundColor());
        // A zero-size box drawn with the wide pen is a square dot of the pen width.
        ctx.canvas().Line(x, y, x, y, std::nullopt, LineForm::Box);
    }

    void move(int, double x, double y) override
    {
        EditorState &s = ctx.state();
        s.EndX = s.StartX;
        s.EndY = s.StartY;
        s.StartX = toInt32(x);
        s.StartY = toInt32(y);
        ctx.canvas().Line(s.StartX, s.StartY, s.EndX, s.EndY);
    }
};

}  // namespace

std::unique_ptr<Tool> makePencil(ToolContext &context, int index) { return std::make_unique<Pencil>(context, index); }

}  // namespace pinxel
