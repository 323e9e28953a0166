#pragma once
// What each of the eighteen tools is, one row per tool, indexed by CurrentTool.
// To add a tool: write its file (a Tool subclass and its make function,
// declared in tools/Tools.h) and fill in its row here.

#include <memory>

namespace pinxel {

class Tool;
class ToolContext;

constexpr int ToolCount = 18;

// The option panels below the tool buttons.
enum ToolPanel : unsigned {
    PanelNone = 0,
    PanelWidth = 1,  // fraOptDot
    PanelFill = 2,   // fraOptFill
    PanelBrush = 4,  // fraBrush
};

// The pen a press sets up for a rubber-band preview (XOR, colours pre-mixed
// with the canvas background).
enum class PreviewPen {
    None,
    Outline,  // the foreground colour, no fill
    Shape,    // outline and fill as FillOption says
};

struct ToolRow {
    const char *tooltip;
    int row, column;         // the button's cell: nine rows, column 0 left, 1 right
    const char *cursorFile;  // in the "Cursors" folder beside the library; "" for the arrow
    unsigned panels;         // ToolPanel bits
    PreviewPen previewPen;
    bool snapshotAtRelease;  // a stroke is one undo step
    bool keepsZoomView;      // choosing it leaves a zoomed view zoomed
    bool showsDragSize;      // the status bar shows the dragged size while drawing
    const char *hint;        // the status bar hint
    const char *busyHint;    // while the tool is busy (drawing, an open figure); null: none
    std::unique_ptr<Tool> (*make)(ToolContext &context, int index);  // null: no behaviour of its own
};

// The row of a tool index 0..17; any other index has a row that shows and
// records nothing.
const ToolRow &toolRow(int index);

}  // namespace pinxel
