#include "tools/Tool.h"

#include "pinxel/PictureSurface.h"
#include "tools/ToolContext.h"
#include "tools/ToolTable.h"

namespace pinxel {

void Tool::press(int, int, int) {}
void Tool::pressRight(int, double, double) {}
void Tool::move(int, double, double) {}
void Tool::release(int, double, double) {}
bool Tool::finish() { return false; }
void Tool::forget() {}
void Tool::hidePreview() {}
void Tool::showPreview() {}
bool Tool::previewShown() const { return false; }
void Tool::drawPreviewAgain(PictureSurface &) const {}

void Tool::removePreviewFrom(PictureSurface &copy) const
{
    if (previewShown())
        drawPreviewAgain(copy);
}
bool Tool::busy() const { return false; }

void Tool::useCopyPen(Color color)
{
    PictureSurface &canvas = ctx.canvas();
    canvas.DrawMode = DrawModeCopyPen;
    canvas.ForeColor = color;
}

QString Tool::hint() const
{
    const ToolRow &row = toolRow(m_index);
    return shownToolText(busy() && row.busyHint ? row.busyHint : row.hint);
}

}  // namespace pinxel
