#include "tools/ToolTable.h"

namespace pinxel {

const ToolRow &toolRow(int index)
{
    static const ToolRow NoTool{"",    0,  0,       "",      PanelNone, PreviewPen::None, false, false,
                                false, "", nullptr, nullptr, nullptr,   nullptr,          false};
    return index >= 0 && index < ToolCount ? tooltable::ToolRows[index] : NoTool;
}

}  // namespace pinxel
