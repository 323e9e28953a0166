// The status bar: what the current tool does, the pointer position, and the
// size of a shape or selection while it is dragged.

#include "editor/frmPaint.h"

#include "document/mdlGeneral.h"
#include "tools/ToolTable.h"
#include "view/StatusBar.h"

namespace pinxel {

namespace {

// A number in its shortest decimal form: whole positions show as whole numbers.
QString shortest(double value) { return QString::number(value, 'g', 7); }

}  // namespace

// The hint of the current tool in its present state.
QString frmPaint::toolHint() { return toolBox.current().hint(); }

void frmPaint::UpdateStatusBar(int intInfo, double X, double Y, int intPercentage, Flag blnClear)
{
    Q_UNUSED(intPercentage);  // every caller passes 0 and no panel shows it
    try {
        if (isSet(blnClear)) {
            for (int panel = 1; panel <= 3; ++panel)
                sta->setPanelText(panel, QString());
            return;
        }
        switch (intInfo) {
        case 0:
            sta->setPanelText(1, toolHint());
            break;
        case 1:
            sta->setPanelText(1, QStringLiteral("Click to set the foreground color; Right-click to set the "
                                                "background color"));
            break;
        case 2:
            sta->setPanelText(1, QStringLiteral("Double-click to set the foreground color with custom color"));
            break;
        case 3:
            sta->setPanelText(1, QStringLiteral("Double-click to set the background color with custom color"));
            break;
        default:
            sta->setPanelText(1, QString());
            break;
        }
        if (intInfo != 0) {
            sta->setPanelText(2, QString());
            sta->setPanelText(3, QString());
            return;
        }
        const bool sizing = toolRow(CurrentTool).showsDragSize;
        if (isSet(IsDrawing) && sizing) {
            sta->setPanelText(3, QStringLiteral("%1x%2").arg(sub32(EndX, StartX)).arg(sub32(EndY, StartY)));
            return;
        }
        sta->setPanelText(2, shortest(X) + QLatin1Char(',') + shortest(Y));
        sta->setPanelText(3, QString());
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

}  // namespace pinxel
