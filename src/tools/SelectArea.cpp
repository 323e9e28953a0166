// The Select Area tool (tool 0) on the canvas: the dotted XOR rubber band and,
// at the release, the floating selection it encloses.

#include "document/EditorState.h"
#include "pinxel/PictureSurface.h"
#include "selection/FloatingSelection.h"
#include "tools/ConstrainEnd.h"
#include "tools/Tool.h"
#include "tools/ToolContext.h"
#include "tools/Tools.h"

#include <cmath>

namespace pinxel {

namespace {

class SelectArea : public Tool {
public:
    using Tool::Tool;

    void press(int, int x, int y) override
    {
        PictureSurface &canvas = ctx.canvas();
        // A dot with the mode and colour the last operation left; the rubber band starts on it.
        canvas.Line(x, y, x, y);
        canvas.DrawWidth = 1;
        ctx.DropSelection();
    }

    void move(int shift, double x, double y) override
    {
        EditorState &s = ctx.state();
        PictureSurface &canvas = ctx.canvas();
        const Color back = canvas.BackColor;
        canvas.Line(s.StartX, s.StartY, s.EndX, s.EndY, back, LineForm::Box);
        ConstrainEnd(s, x, y, shift, FlagFalse);
        canvas.Line(s.StartX, s.StartY, s.EndX, s.EndY, back, LineForm::Box);
    }

    void release(int shift, double x, double y) override
    {
        EditorState &s = ctx.state();
        PictureSurface &canvas = ctx.canvas();
        if (std::abs(s.EndX - s.StartX) >= 2 && std::abs(s.EndY - s.StartY) >= 2) {
            ConstrainEnd(s, x, y, shift, FlagFalse);
            // The inside of the rubber band, one pixel in on every side.
            ctx.selection().create(std::min(s.StartX, s.EndX) + 1, std::min(s.StartY, s.EndY) + 1,
                                   std::abs(s.EndX - s.StartX) - 1, std::abs(s.EndY - s.StartY) - 1);
        } else {
            ctx.selection().discard();
            canvas.Line(s.StartX, s.StartY, s.EndX, s.EndY, canvas.BackColor, LineForm::Box);
            s.SelectionUnmoved = FlagFalse;
        }
        canvas.DrawWidth = s.DotIndex + 1;
    }

    bool finish() override
    {
        ctx.DropSelection();  // records its own undo step when it changed
        return false;
    }

    QString hint() const override
    {
        if (isSet(ctx.state().SelectionUnmoved))
            return QStringLiteral("Press and hold down CTRL before moving the selection to copy it");
        return Tool::hint();
    }

protected:
    bool busy() const override { return isSet(ctx.state().IsDrawing); }
};

}  // namespace

std::unique_ptr<Tool> makeSelectArea(ToolContext &context, int index) { return std::make_unique<SelectArea>(context, index); }

}  // namespace pinxel
