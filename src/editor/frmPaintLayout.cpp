// The window's layout in twips: tool palette on the left, colour palette and
// status bar at the bottom, the canvas between them with scroll bars that
// appear only when it does not fit, the three resize handles, the zoomed
// view's scrolling, the wheel over the canvas; and what else the model asks
// of its view (the elements on the canvas, focus, the pointer).

#include "editor/frmPaint.h"

#include "document/mdlGeneral.h"
#include "pinxel/Screen.h"
#include "tools/ToolTable.h"
#include "tools/ZoomTool.h"
#include "view/CanvasTextBox.h"
#include "view/CanvasViewport.h"
#include "view/CurveHandle.h"
#include "view/StatusBar.h"

#include <QFrame>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace pinxel {

namespace {

constexpr double ToolsWidth = 855;
constexpr double ColorHeight = 860;
constexpr double BarThickness = 255;
constexpr double MinimumHeight = 2800;
constexpr double HandleSize = 70;
constexpr double WheelNotchUnits = 100;  // scroll units of 10 twips

int px(double twips, double perPixel) { return int(roundHalfEven(twips / perPixel)); }

// A scroll maximum: the overhang in units of 10 twips, nearest, as a 16-bit value.
int scrollMaximum(double overhang) { return toInt16(overhang / 10.0); }

// A bar's value, nearest, within its range; no number (a share of a canvas
// no larger than the view) is 0.
void setScrollValue(QScrollBar *bar, double value)
{
    bar->setValue(int(roundHalfEven(std::isnan(value) ? 0.0 : std::clamp(value, 0.0, double(bar->maximum())))));
}

// A bar's range cannot run below its minimum of 0; the computed maximum, which
// is negative when the canvas fits, is kept beside it as the bar's "Max".
void setScrollMaximum(QScrollBar *bar, int maximum)
{
    bar->setProperty("Max", maximum);
    bar->setMaximum(std::max(0, maximum));
}

}  // namespace

void frmPaint::Form_Resize()
{
    if (isMinimized())
        return;
    const double tx = twipsPerPixelX(), ty = twipsPerPixelY();
    // Up to whole pixels: a height rounded down would stay below the
    // minimum and lay the window out again without end.
    if (Height() < MinimumHeight) {
        if (isWindow())
            setHeight(std::ceil(MinimumHeight / ty) * ty);
        else
            setMinimumHeight(int(std::ceil(MinimumHeight / ty)));  // the host's layout gives the height
    }
    const double scaleHeight = ScaleHeight();
    const double width = Width(), height = Height();

    // The status bar is docked to the bottom of the client area.
    sta->setGeometry(0, client->height() - StatusBar::PixelHeight, client->width(), StatusBar::PixelHeight);

    fraTools->setGeometry(0, px(-90, ty), px(ToolsWidth, tx), px(scaleHeight - 900, ty));
    const double colorTop = scaleHeight - 1110;
    fraColor->setGeometry(0, px(colorTop, ty), px(width - 90, tx), px(ColorHeight, ty));

    const PictureSurface &picPaint = m_model.picPaint;
    const double canvasWidth = picPaint.Width(), canvasHeight = picPaint.Height();
    const double hBar = hscPaint->isVisibleTo(client) ? BarThickness : 0;

    // Vertical bar, first pass, with the horizontal bar as it was.
    int vMax = scrollMaximum(canvasHeight - (height - hBar - 1950));
    setScrollMaximum(vscPaint, vMax);
    vscPaint->setVisible(vMax > 0);
    if (vMax > 0)
        vscPaint->setGeometry(px(width - BarThickness - 210, tx), 0, px(BarThickness, tx),
                              px(scaleHeight - ColorHeight - hBar - 150, ty));
    const double vBar = vMax > 0 ? BarThickness : 0;

    // Horizontal bar.
    const int hMax = scrollMaximum(canvasWidth - (width - vBar - 1050));
    setScrollMaximum(hscPaint, hMax);
    hscPaint->setVisible(hMax > 0);
    if (hMax > 0) {
        const double barWidth = vMax > 0 ? width - ToolsWidth - vBar - 100 : width - ToolsWidth - 90;
        hscPaint->setGeometry(px(ToolsWidth, tx), px(colorTop - BarThickness + 110, ty), px(barWidth, tx),
                              px(BarThickness, ty));
    }

    // With the horizontal bar showing, the vertical bar is measured again.
    if (hMax > 0) {
        vMax = scrollMaximum(canvasHeight - (height - BarThickness - 1850));
        setScrollMaximum(vscPaint, vMax);
        vscPaint->setGeometry(vscPaint->x(), 0, px(BarThickness, tx),
                              px(scaleHeight - ColorHeight - BarThickness - 150, ty));
    }

    if (vscPaint->isVisibleTo(client) && hscPaint->isVisibleTo(client)) {
        fraScroll->move(vscPaint->x(), hscPaint->y());
        fraScroll->show();
        fraScroll->raise();
    } else {
        fraScroll->hide();
    }

    // The canvas shows right of the tool palette, above the colour
    // palette, and left of and above the scroll bars.
    const int right = vscPaint->isVisibleTo(client) ? vscPaint->x() : client->width();
    const int bottom = hscPaint->isVisibleTo(client) ? hscPaint->y() : fraColor->y();
    const int left = px(ToolsWidth, tx);
    canvasViewport->setArea(QRect(left, 0, right - left, bottom));
}

void frmPaint::hscPaint_Change()
{
    m_model.picPaint.setLeft(checked32(std::int64_t(ToolsWidth) - 10 * std::int64_t(hscPaint->value())));
    AdjustPaintResizeBox();
}

void frmPaint::vscPaint_Change()
{
    m_model.picPaint.setTop(checked32(-10 * std::int64_t(vscPaint->value())));
    AdjustPaintResizeBox();
}

void frmPaint::AdjustPaintResizeBox()
{
    const PictureSurface &picPaint = m_model.picPaint;
    const double tx = twipsPerPixelX(), ty = twipsPerPixelY();
    const double left = picPaint.Left(), top = picPaint.Top();
    const double width = picPaint.Width(), height = picPaint.Height();
    const QPoint right(px(left + width, tx), px(top + height / 2, ty));
    const QPoint bottom(px(left + width / 2, tx), px(top + height, ty));
    const QSize size(px(HandleSize, tx), px(HandleSize, tx));
    picPaintResize[0]->setGeometry(QRect(canvasViewport->fromClient(right), size));
    picPaintResize[1]->setGeometry(QRect(canvasViewport->fromClient(bottom), size));
    picPaintResize[2]->setGeometry(QRect(canvasViewport->fromClient(QPoint(right.x(), bottom.y())), size));
    // The canvas cannot be resized while zoomed.
    for (QWidget *handle : picPaintResize) {
        handle->setVisible(m_model.ZoomFactor == 1.0f);
        handle->raise();
    }
}

void frmPaint::centreOn(int x, int y)
{
    const PictureSurface &picPaint = m_model.picPaint;
    const bool hShown = hscPaint->isVisibleTo(client), vShown = vscPaint->isVisibleTo(client);
    if (hShown) {
        const double visible = Width() - ToolsWidth - (vShown ? BarThickness : 0);
        setScrollValue(hscPaint, (x - visible / 2) / (picPaint.Width() - visible) * hscPaint->maximum());
    }
    if (vShown) {
        const double visible =
            ScaleHeight() - (hShown ? BarThickness : 0) - ColorHeight - StatusBar::PixelHeight * twipsPerPixelY();
        setScrollValue(vscPaint, (y - visible / 2) / (picPaint.Height() - visible) * vscPaint->maximum());
    }
}

void frmPaint::picPaint_MouseWheel(int Delta, int Shift, double X, double Y)
{
    if (Shift & 2) {
        zoomAbout(Delta < 0, X, Y);
        return;
    }
    // A notch moves the view 1000 twips (the vertical bar's small step).
    QScrollBar *bar = Shift & 1 ? hscPaint : vscPaint;
    if (bar->isVisibleTo(client))
        bar->setValue(bar->value() - int(roundHalfEven(Delta * WheelNotchUnits / 120.0)));
}

// One step of the Zoom tool, kept where the pointer is: the picture's point
// under the pointer stays under it as far as the scroll bars allow.
void frmPaint::zoomAbout(bool out, double X, double Y)
{
    EditorModel &m = m_model;
    if (isSet(m.IsDrawing) || !(m.CurrentTool == ToolZoom || toolRow(m.CurrentTool).keepsZoomView))
        return;
    const double tx = twipsPerPixelX(), ty = twipsPerPixelY();
    const QPointF pointer(m.picPaint.Left() + X * tx, m.picPaint.Top() + Y * ty);  // in the client's twips
    const std::optional<QPoint> at = m.toolBox.toolAs<ZoomTool>(ToolZoom).step(out, X, Y);
    if (!at)
        return;
    m.SetZoomView(at->x(), at->y(), FlagFalse);
    // Scrolling puts the canvas at ToolsWidth - 10 x value across and -10 x value down.
    if (hscPaint->isVisibleTo(client))
        setScrollValue(hscPaint, (ToolsWidth - pointer.x() + at->x()) / 10.0);
    if (vscPaint->isVisibleTo(client))
        setScrollValue(vscPaint, (at->y() - pointer.y()) / 10.0);
}

// ---------------------------------------------------------------- what the model asks of its view

CanvasElement &frmPaint::curveHandle(int index) { return *imgBezier.at(size_t(index)); }
TextBox &frmPaint::textBox() { return *txtText; }
void frmPaint::focusCanvas() { picPaintView->setFocus(); }

ScrollPosition frmPaint::scrollPosition(ScrollAxis axis) const
{
    const QScrollBar *bar = axis == ScrollAxis::Horizontal ? hscPaint : vscPaint;
    return {bar->isVisibleTo(client), bar->value(), bar->minimum(), bar->maximum()};
}

void frmPaint::scrollTo(ScrollAxis axis, int value)
{
    (axis == ScrollAxis::Horizontal ? hscPaint : vscPaint)->setValue(value);
}

void frmPaint::layOut()
{
    AdjustPaintResizeBox();
    Form_Resize();
}

void frmPaint::showPointer(const QCursor &pointer) { picPaintView->setCursor(pointer); }

}  // namespace pinxel
