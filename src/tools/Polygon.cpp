#include "tools/Polygon.h"

#include "editor/frmPaint.h"
#include "editor/mdlGeneral.h"

namespace pinxel {

std::vector<QLine> Polygon::edges(const std::vector<QPoint> &points, bool lastOnly)
{
    std::vector<QLine> lines;
    if (points.size() < 2)
        return lines;
    for (size_t i = lastOnly ? points.size() - 1 : 1; i < points.size(); ++i)
        lines.emplace_back(points[i - 1], points[i]);
    return lines;
}

void frmPaint::DrawPolygon(Flag final, Flag lastOnly)
{
    try {
        if (!isSet(final)) {
            const std::vector<QLine> lines = Polygon::edges(PolygonPoints, isSet(lastOnly));
            if (!lines.empty())
                picPaint.Lines(lines);
            return;
        }
        picPaint.DrawMode = DrawModeCopyPen;
        switch (FillOption) {
        case 0:
            picPaint.FillStyle = FillTransparent;
            picPaint.ForeColor = foregroundColor();
            break;
        case 1:
            picPaint.FillStyle = ShapeFillStyle;
            picPaint.ForeColor = foregroundColor();
            picPaint.FillColor = fillColor();
            break;
        case 2:
            picPaint.FillStyle = ShapeFillStyle;
            picPaint.ForeColor = fillColor();
            picPaint.FillColor = fillColor();
            break;
        default: break;
        }
        // One vertex is no figure: a click and Enter draw nothing.
        if (PolygonPoints.size() >= 2)
            picPaint.Polygon(PolygonPoints);
        picPaint.Refresh();
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void Polygon::forget(frmPaint &w)
{
    w.PolygonActive = FlagFalse;
    w.PolygonPoints.assign(1, QPoint());
    w.polygonPreview.shown = false;
}

void Polygon::hidePreview(frmPaint &w)
{
    PolygonPreview &preview = w.polygonPreview;
    if (!preview.shown)
        return;
    preview.shown = false;
    const std::vector<QLine> lines = edges(preview.points, false);
    drawWithPen(w.picPaint, preview.pen, [&] { w.picPaint.Lines(lines); });
}

void Polygon::showPreview(frmPaint &w)
{
    if (!isSet(w.PolygonActive) || w.PolygonPoints.size() < 2)
        return;
    w.DrawPolygon(FlagFalse, FlagFalse);
    w.polygonPreview = PolygonPreview{true, w.PolygonPoints, PenState::of(w.picPaint)};
}

void Polygon::press(frmPaint &w, int X, int Y)
{
    if (!isSet(w.PolygonActive)) {
        w.PolygonActive = FlagTrue;
        w.PolygonPoints.assign(1, QPoint(X, Y));
        w.polygonPreview.shown = false;  // a new polygon: nothing of an old one is on the canvas
    } else {
        hidePreview(w);
        w.PolygonPoints.emplace_back(X, Y);
    }
    // The preview pen; the press has set the width and line style.
    PictureSurface &canvas = w.picPaint;
    canvas.DrawMode = DrawModeXorPen;
    canvas.FillStyle = FillTransparent;
    canvas.ForeColor = w.foregroundColor() ^ canvas.BackColor;
    showPreview(w);
}

void Polygon::move(frmPaint &w, double X, double Y)
{
    if (!isSet(w.PolygonActive))
        return;
    hidePreview(w);
    if (w.PolygonPoints.size() < 2)
        w.PolygonPoints.push_back(w.PolygonPoints.back());
    w.PolygonPoints.back() = QPoint(toInt32(X), toInt32(Y));
    showPreview(w);
}

void Polygon::finish(frmPaint &w)
{
    if (!isSet(w.PolygonActive))
        return;
    hidePreview(w);
    w.DrawPolygon(FlagTrue, FlagTrue);
    w.PolygonActive = FlagFalse;
    w.SetImageBuffer();
}

}  // namespace pinxel
