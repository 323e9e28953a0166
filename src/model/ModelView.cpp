// The zoom view (the canvas shows the picture at ZoomFactor, made from the
// zoom store) and the drag of the canvas's resize handles.

#include "model/EditorModel.h"

#include "document/mdlGeneral.h"
#include "imaging/mdlEffect.h"

namespace pinxel {

void EditorModel::SetZoomView(std::int32_t x, std::int32_t y, Flag reset)
{
    if (isSet(reset)) {
        if (ZoomFactor == 1.0f)
            return;
        ZoomFactor = 1.0f;
        picPaint.setPicture(picZoom.Image());
        picPaint.Move(picPaint.Left(), picPaint.Top(), picZoom.Width(), picZoom.Height());
        layOut();
        return;
    }
    // The view at ZoomFactor, made from the picture at actual size: the
    // size the resize effect gives it, each pixel a block of its colour.
    ResizeFactorX = ZoomFactor;
    ResizeFactorY = ZoomFactor;
    picPaint.setVisible(false);
    picPaint.setPicture(picZoom.Image());
    picPaint.Move(picPaint.Left(), picPaint.Top(), picZoom.Width(), picZoom.Height());
    useEffectSettings();
    ApplyZoomView(picPaint, picImageEffect);
    picPaint.setVisible(true);
    // The canvas cannot be resized while zoomed (the view hides the
    // handles); steps out and in again can land on exactly 1, actual size.
    layOut();
    m_view->centreOn(x, y);
    focusCanvas();
}

void EditorModel::beginResizeDrag(double X, double Y)
{
    DragOriginX = toInt32(X);
    DragOriginY = toInt32(Y);
    IsDragging = FlagTrue;
    CanvasResized = FlagFalse;
}

void EditorModel::resizeDrag(int Index, double X, double Y)
{
    if (!isSet(IsDragging))
        return;
    const double dx = X - DragOriginX, dy = Y - DragOriginY;
    // The outer size counts the border: the picture keeps at least one
    // pixel inside it, where an empty one would have nothing to undo to.
    const int border = 2 * picPaint.borderPixels();
    const double unitsX = picPaint.Width() / (picPaint.pixelWidth() + border);
    const double unitsY = picPaint.Height() / (picPaint.pixelHeight() + border);
    if ((Index == 0 || Index == 2) && picPaint.Width() + dx >= (border + 1) * unitsX)
        picPaint.setWidth(picPaint.Width() + dx);
    if ((Index == 1 || Index == 2) && picPaint.Height() + dy >= (border + 1) * unitsY)
        picPaint.setHeight(picPaint.Height() + dy);
    layOut();
}

void EditorModel::endResizeDrag()
{
    IsDragging = FlagFalse;
    if (isSet(CanvasResized))
        editPath.record();
    CanvasResized = FlagFalse;
}

}  // namespace pinxel
