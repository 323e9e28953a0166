// The tool palette: pressing a tool button and what selecting a tool triggers.

#include "editor/frmPaint.h"

#include "document/mdlGeneral.h"
#include "tools/ToolTable.h"
#include "tools/ZoomTool.h"

#include <QAbstractButton>
#include <QAction>
#include <QFrame>
#include <QLabel>

namespace pinxel {

void frmPaint::optTools_MouseDown(int Index, int Button, int, double, double)
{
    try {
        m_filterMenuShownByPress = false;
        if (Button != 1)
            return;
        picPaint_DblClick();  // finish what the old tool left pending
        CurrentTool = Index;
        if (CurrentTool == ToolFilterBrush) {
            m_filterMenuShownByPress = true;  // the selection of the same click shows no second menu
            showFilterMenu();
        }
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
        const ToolRow &row = toolRow(CurrentTool);
        fraBrush->setVisible(row.panels & PanelBrush);
        fraOptDot->setVisible(row.panels & PanelWidth);
        fraOptFill->setVisible(row.panels & PanelFill);
        const bool shownByPress = m_filterMenuShownByPress;
        m_filterMenuShownByPress = false;
        if (CurrentTool == ToolFilterBrush && !shownByPress)
            showFilterMenu();
        if (CurrentTool == ToolZoom && ZoomFactor == 1.0f)
            fillZoomStore(picZoom, picPaint);
        if (CurrentTool != ToolSelectArea)
            DropSelection();
        if (!row.keepsZoomView)
            SetZoomView(0, 0, FlagTrue);
        UpdateStatusBar(0, 0, 0, 0, FlagFalse);
        SetToolCursor();
        focusCanvas();
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

// The filter brush's pop-up at the pointer: the visible items of mnuTFilter;
// the chosen one runs as a click on it, a dismissal changes nothing.
void frmPaint::showFilterMenu()
{
    QStringList captions;
    std::vector<QString> names;
    int checked = -1;  // the current filter's item shows its check mark
    for (int i = 0;; ++i) {
        const QString name = QStringLiteral("mnuFilterTools(%1)").arg(i);
        const QAction *action = item(name);
        if (!action)
            break;
        if (action->isVisible()) {
            if (action->isChecked())
                checked = int(captions.size());
            captions << action->text();
            names.push_back(name);
        }
    }
    const int chosen = HostServices::current().PopupMenu(captions, checked);
    if (chosen >= 0 && size_t(chosen) < names.size())
        clickMenuItem(names[size_t(chosen)]);
}

Color frmPaint::foregroundColor() const { return fromQRgb(lblForeColor->palette().color(QPalette::Window).rgb()); }
Color frmPaint::fillColor() const { return fromQRgb(lblFillColor->palette().color(QPalette::Window).rgb()); }
void frmPaint::setForegroundColor(Color color) { setSwatchColor(lblForeColor, color); }
void frmPaint::setFillColor(Color color) { setSwatchColor(lblFillColor, color); }

void frmPaint::setSwatchColor(QLabel *swatch, Color color)
{
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(toQRgb(color)));
    swatch->setPalette(palette);
}

}  // namespace pinxel
