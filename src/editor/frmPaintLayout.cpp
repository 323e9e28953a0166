// The window's layout in twips: tool palette on the left, colour palette and
// status bar at the bottom, the canvas between them with scroll bars that
// appear only when it does not fit, the three resize handles, the zoom view,
// and the wheel over the canvas.

#include "editor/frmPaint.h"

#include "document/mdlGeneral.h"
#include "imaging/mdlEffect.h"
#include "pinxel/Screen.h"
#include "tools/ToolTable.h"
#include "tools/ZoomTool.h"
#include "view/CanvasViewport.h"
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
    try {
        if (isMinimized())
            return;
        const double tx = twipsPerPixelX(), ty = twipsPerPixelY();
        // Up to whole pixels: a height rounded down would stay below the
        // minimum and lay the window out again without end.
        if (Height() < MinimumHeight)
            setHeight(std::ceil(MinimumHeight / ty) * ty);
        const double scaleHeight = ScaleHeight();
        const double width = Width(), height = Height();

        // The status bar is docked to the bottom of the client area.
        sta->setGeometry(0, client->height() - StatusBar::PixelHeight, client->width(), StatusBar::PixelHeight);

        fraTools->setGeometry(0, px(-90, ty), px(ToolsWidth, tx), px(scaleHeight - 900, ty));
        const double colorTop = scaleHeight - 1110;
        fraColor->setGeometry(0, px(colorTop, ty), px(width - 90, tx), px(ColorHeight, ty));

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
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::hscPaint_Change()
{
    try {
        picPaint.setLeft(checked32(std::int64_t(ToolsWidth) - 10 * std::int64_t(hscPaint->value())));
        AdjustPaintResizeBox();
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::vscPaint_Change()
{
    try {
        picPaint.setTop(checked32(-10 * std::int64_t(vscPaint->value())));
        AdjustPaintResizeBox();
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::picPaint_Resize() { CanvasResized = FlagTrue; }

void frmPaint::AdjustPaintResizeBox()
{
    try {
        const double tx = twipsPerPixelX(), ty = twipsPerPixelY();
        const double left = picPaint.Left(), top = picPaint.Top();
        const double width = picPaint.Width(), height = picPaint.Height();
        const QPoint right(px(left + width, tx), px(top + height / 2, ty));
        const QPoint bottom(px(left + width / 2, tx), px(top + height, ty));
        const QSize size(px(HandleSize, tx), px(HandleSize, tx));
        picPaintResize[0]->setGeometry(QRect(canvasViewport->fromClient(right), size));
        picPaintResize[1]->setGeometry(QRect(canvasViewport->fromClient(bottom), size));
        picPaintResize[2]->setGeometry(QRect(canvasViewport->fromClient(QPoint(right.x(), bottom.y())), size));
        for (QWidget *handle : picPaintResize)
            handle->raise();
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::picPaintResize_MouseDown(int, int, int, double X, double Y)
{
    try {
        DragOriginX = toInt32(X);
        DragOriginY = toInt32(Y);
        IsDragging = FlagTrue;
        CanvasResized = FlagFalse;
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::picPaintResize_MouseMove(int Index, int, int, double X, double Y)
{
    try {
        if (!isSet(IsDragging))
            return;
        const double tx = twipsPerPixelX(), ty = twipsPerPixelY();
        const double dx = X - DragOriginX, dy = Y - DragOriginY;
        QWidget *handle = picPaintResize[size_t(Index)];
        if ((Index == 0 || Index == 2) && picPaint.Width() + dx > 0) {
            handle->move(handle->x() + px(dx, tx), handle->y());
            picPaint.setWidth(picPaint.Width() + dx);
        }
        if ((Index == 1 || Index == 2) && picPaint.Height() + dy > 0) {
            handle->move(handle->x(), handle->y() + px(dy, ty));
            picPaint.setHeight(picPaint.Height() + dy);
        }
        AdjustPaintResizeBox();
        Form_Resize();
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::picPaintResize_MouseUp(int, int, int, double, double)
{
    try {
        IsDragging = FlagFalse;
        if (isSet(CanvasResized))
            editPath.record();
        CanvasResized = FlagFalse;
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::SetZoomView(std::int32_t x, std::int32_t y, Flag reset)
{
    try {
        if (isSet(reset)) {
            if (ZoomFactor == 1.0f)
                return;
            ZoomFactor = 1.0f;
            picPaint.setPicture(picZoom.Image());
            picPaint.Move(picPaint.Left(), picPaint.Top(), picZoom.Width(), picZoom.Height());
            AdjustPaintResizeBox();
            Form_Resize();
            for (QWidget *handle : picPaintResize)
                handle->show();
            return;
        }
        // The view at ZoomFactor, made from the picture at actual size: the
        // size the resize effect gives it, each pixel a block of its colour.
        ResizeFactorX = ZoomFactor;
        ResizeFactorY = ZoomFactor;
        picPaint.setVisible(false);
        picPaint.setPicture(picZoom.Image());
        picPaint.Move(picPaint.Left(), picPaint.Top(), picZoom.Width(), picZoom.Height());
        ApplyZoomView(picPaint, picImageEffect);
        picPaint.setVisible(true);
        AdjustPaintResizeBox();
        Form_Resize();
        // The canvas cannot be resized while zoomed; steps out and in again
        // can land on exactly 1, actual size.
        for (QWidget *handle : picPaintResize)
            handle->setVisible(ZoomFactor == 1.0f);

        // (x, y) to the middle of what shows, as near as the bars go.
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
        focusCanvas();
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::picPaint_MouseWheel(int Delta, int Shift, double X, double Y)
{
    try {
        if (Shift & 2) {
            zoomAbout(Delta < 0, X, Y);
            return;
        }
        // A notch moves the view 1000 twips (the vertical bar's small step).
        QScrollBar *bar = Shift & 1 ? hscPaint : vscPaint;
        if (bar->isVisibleTo(client))
            bar->setValue(bar->value() - int(roundHalfEven(Delta * WheelNotchUnits / 120.0)));
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

// One step of the Zoom tool, kept where the pointer is: the picture's point
// under the pointer stays under it as far as the scroll bars allow.
void frmPaint::zoomAbout(bool out, double X, double Y)
{
    if (isSet(IsDrawing) || !(CurrentTool == ToolZoom || toolRow(CurrentTool).keepsZoomView))
        return;
    const double tx = twipsPerPixelX(), ty = twipsPerPixelY();
    const QPointF pointer(picPaint.Left() + X * tx, picPaint.Top() + Y * ty);  // in the client's twips
    const std::optional<QPoint> at = toolBox.toolAs<ZoomTool>(ToolZoom).step(out, X, Y);
    if (!at)
        return;
    SetZoomView(at->x(), at->y(), FlagFalse);
    // Scrolling puts the canvas at ToolsWidth - 10 x value across and -10 x value down.
    if (hscPaint->isVisibleTo(client))
        setScrollValue(hscPaint, (ToolsWidth - pointer.x() + at->x()) / 10.0);
    if (vscPaint->isVisibleTo(client))
        setScrollValue(vscPaint, (at->y() - pointer.y()) / 10.0);
}

}  // namespace pinxel
