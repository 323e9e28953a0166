#include "tools/ToolTable.h"

#include <QCoreApplication>

namespace pinxel {

const ToolRow &toolRow(int index)
{
    static const ToolRow NoTool{"",    0,  0,       "",      PanelNone, PreviewPen::None, false, false,
                                false, "", nullptr, nullptr, nullptr,   nullptr,          false};
    return index >= 0 && index < ToolCount ? tooltable::ToolRows[index] : NoTool;
}

QString shownToolText(const char *text) { return QCoreApplication::translate("ToolTable", text); }

}  // namespace pinxel
