// The filter brush (tool 14): the brush's filter on the square of half size
// DotIndex around the pointer, at the press and at every move; the tool box
// records the stroke as one undo step at the release.

#include "tools/Tool.h"
#include "tools/ToolContext.h"
#include "tools/Tools.h"

namespace pinxel {

namespace {

class FilterBrush : public Tool {
public:
    using Tool::Tool;

    void press(int, int x, int y) override { ctx.ApplyFilter(ctx.state().FilterBrushFilter, x, y); }

    void move(int, double x, double y) override
    {
        ctx.ApplyFilter(ctx.state().FilterBrushFilter, toInt32(x), toInt32(y));
    }
};

}  // namespace

std::unique_ptr<Tool> makeFilterBrush(ToolContext &context, int index)
{
    return std::make_unique<FilterBrush>(context, index);
}

void askForBrushFilter(ToolContext &context) { context.showFilterMenu(); }

}  // namespace pinxel
