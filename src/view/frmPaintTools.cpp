// The tool palette: pressing a tool button and what selecting a tool triggers.

#include "editor/frmPaint.h"

#include "editor/mdlGeneral.h"

#include <QAbstractButton>
#include <QLabel>

namespace pinxel {

void frmPaint::optTools_MouseDown(int Index, int Button, int, double, double)
{
    try {
        if (Button != 1)
            return;
        picPaint_DblClick();  // finish what the old tool left pending
        CurrentTool = Index;
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::optTools_Click(int Index)
{
    Q_UNUSED(Index);  // the handler works on CurrentTool, set by the press
    try {
        if (CurrentTool >= 0 && size_t(CurrentTool) < optTools.size() && optTools[size_t(CurrentTool)])
            optTools[size_t(CurrentTool)]->setChecked(true);
        if (CurrentTool == ToolZoom && ZoomFactor == 1.0f) {
            picZoom.Move(0, 0, picPaint.Width(), picPaint.Height());
            picZoom.copyPicture(picPaint.Image());
        }
        if (CurrentTool != ToolSelectArea)
            DropSelection();
        if (CurrentTool != ToolPickColor && CurrentTool != ToolHand)
            SetZoomView(0, 0, FlagTrue);
        UpdateStatusBar(0, 0, 0, 0, FlagFalse);
        SetToolCursor();
        picPaintView->setFocus();
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

Color frmPaint::foregroundColor() const { return fromQRgb(lblForeColor->palette().color(QPalette::Window).rgb()); }
Color frmPaint::fillColor() const { return fromQRgb(lblFillColor->palette().color(QPalette::Window).rgb()); }

void frmPaint::setSwatchColor(QLabel *swatch, Color color)
{
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(toQRgb(color)));
    swatch->setPalette(palette);
}

}  // namespace pinxel
