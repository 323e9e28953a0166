// The status bar: what the current tool does, the pointer position, and the
// size of a shape or selection while it is dragged.

#include "editor/frmPaint.h"

#include "editor/mdlGeneral.h"
#include "view/StatusBar.h"

namespace pinxel {

namespace {

// A number in its shortest decimal form: whole positions show as whole numbers.
QString shortest(double value) { return QString::number(value, 'g', 7); }

}  // namespace

// The hint of a tool in its present state.
QString frmPaint::toolHint() const
{
    switch (CurrentTool) {
    case ToolSelectArea:
        if (isSet(SelectionUnmoved))
            return QStringLiteral("Press and hold down CTRL before moving the selection to copy it");
        if (isSet(IsDrawing))
            return QStringLiteral("Press and hold down SHIFT to select a square part");
        return QStringLiteral("Selects a rectangular part of the picture to move or delete");
    case ToolPickColor:
        return QStringLiteral("Picks up a foreground color (click) or background color (right-click) from the picture "
                              "for drawing");
    case ToolEraser: return QStringLiteral("Erases a partion of the picture using the selected eraser width");
    case ToolFill: return QStringLiteral("Fills an area");
    case ToolPencil: return QStringLiteral("Draws using a pencil with the selected dot size");
    case ToolLine:
        return isSet(IsDrawing) ? QStringLiteral("Press and hold down CTRL to draw a horizontal or vertical line; "
                                                 "SHIFT to draw a 45-degree line")
                                : QStringLiteral("Draws a straight line with the selected line width");
    case ToolRectangle:
        return isSet(IsDrawing) ? QStringLiteral("Press and hold down SHIFT to draw a square")
                                : QStringLiteral("Draws a rectangle with the selected outline width and fill style");
    case ToolEllipse:
        return isSet(IsDrawing) ? QStringLiteral("Press and hold down SHIFT to draw a circle")
                                : QStringLiteral("Draws an ellips with the selected outline width and fill style");
    case ToolText:
        return textBoxVisible() ? QStringLiteral("Press ENTER or double-click to finish inserting the text")
                                : QStringLiteral("Insert text into the picture");
    case ToolArrow:
        return isSet(IsDrawing) ? QStringLiteral("Press and hold down CTRL to draw a horizontal or vertical arrow; "
                                                 "SHIFT to draw a 45-degree arrow")
                                : QStringLiteral("Draws an arrow with the selected arrow width");
    case ToolAirBrush: return QStringLiteral("Draws using an airbrush with the selected airbrush size");
    case ToolRoundedRectangle:
        return isSet(IsDrawing)
                   ? QStringLiteral("Press and hold down SHIFT to draw a rounded-square")
                   : QStringLiteral("Draws a rounded rectangle with the selected outline width and fill style");
    case ToolPolygon:
        return isSet(PolygonActive) ? QStringLiteral("Press ENTER or double-click to finish drawing the polygon")
                                    : QStringLiteral("Draws a polygon with the selected outline width and fill area");
    case ToolCurve:
        return curveHandlesVisible() ? QStringLiteral("Press ENTER or double-click to finish drawing the curve")
                                     : QStringLiteral("Draws a bezier curve with the selected curve width");
    case ToolFilterBrush: return QStringLiteral("Apply the selected filter to the image");
    case ToolZoom: return QStringLiteral("Zoom in or zoom out the image 1.25x (press and hold down CTRL to zoom out)");
    case ToolBrush: return QStringLiteral("Draws using a brush with the selected shape");
    case ToolHand: return QStringLiteral("Pan to see other part of the picture");
    default: return QString();
    }
}

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
        case 0: sta->setPanelText(1, toolHint()); break;
        case 1:
            sta->setPanelText(1, QStringLiteral("Click to set the foreground color; Right-click to set the "
                                                "background color"));
            break;
        case 2: sta->setPanelText(1, QStringLiteral("Double-click to set the foreground color with custom color")); break;
        case 3: sta->setPanelText(1, QStringLiteral("Double-click to set the background color with custom color")); break;
        default: sta->setPanelText(1, QString()); break;
        }
        if (intInfo != 0) {
            sta->setPanelText(2, QString());
            sta->setPanelText(3, QString());
            return;
        }
        const bool sizing = CurrentTool == ToolSelectArea || CurrentTool == ToolLine || CurrentTool == ToolRectangle
                            || CurrentTool == ToolEllipse || CurrentTool == ToolArrow
                            || CurrentTool == ToolRoundedRectangle;
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
