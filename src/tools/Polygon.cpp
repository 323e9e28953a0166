#include "tools/Polygon.h"

#include "document/mdlGeneral.h"
#include "pinxel/PictureSurface.h"
#include "tools/ShapePreview.h"
#include "tools/Tool.h"
#include "tools/ToolContext.h"
#include "tools/Tools.h"

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

namespace {

class PolygonTool : public Tool {
public:
    using Tool::Tool;

    void press(int, int x, int y) override
    {
        EditorState &s = ctx.state();
        if (!isSet(s.PolygonActive)) {
            s.PolygonActive = FlagTrue;
            s.PolygonPoints.assign(1, QPoint(x, y));
            m_preview.shown = false;  // a new polygon: nothing of an old one is on the canvas
        } else {
            hidePreview();
            s.PolygonPoints.emplace_back(x, y);
        }
        // The preview pen; the press has set the width and line style.
        PictureSurface &canvas = ctx.canvas();
        canvas.DrawMode = DrawModeXorPen;
        canvas.FillStyle = FillTransparent;
        canvas.ForeColor = ctx.foregroundColor() ^ canvas.BackColor;
        showPreview();
    }

    void move(int, double x, double y) override
    {
        EditorState &s = ctx.state();
        if (!isSet(s.PolygonActive))
            return;
        hidePreview();
        if (s.PolygonPoints.size() < 2)
            s.PolygonPoints.push_back(s.PolygonPoints.back());
        s.PolygonPoints.back() = QPoint(toInt32(x), toInt32(y));
        showPreview();
    }

    bool finish() override
    {
        EditorState &s = ctx.state();
        if (!isSet(s.PolygonActive))
            return false;
        hidePreview();
        DrawPolygon(FlagTrue, FlagTrue);
        s.PolygonActive = FlagFalse;
        return true;
    }

    void forget() override
    {
        EditorState &s = ctx.state();
        s.PolygonActive = FlagFalse;
        s.PolygonPoints.assign(1, QPoint());
        m_preview.shown = false;
    }

    void hidePreview() override
    {
        if (!m_preview.shown)
            return;
        m_preview.shown = false;
        drawPreviewAgain(ctx.canvas());
    }

    // Draws the open polygon's edges with the canvas's present pen.
    void showPreview() override
    {
        const EditorState &s = ctx.state();
        if (!isSet(s.PolygonActive) || s.PolygonPoints.size() < 2)
            return;
        DrawPolygon(FlagFalse, FlagFalse);
        m_preview = PolygonPreview{true, s.PolygonPoints, PenState::of(ctx.canvas())};
    }

protected:
    bool busy() const override { return isSet(ctx.state().PolygonActive); }
    bool previewShown() const override { return m_preview.shown; }
    // The edges the preview drew, as one figure.
    void drawPreviewAgain(PictureSurface &surface) const override
    {
        const std::vector<QLine> lines = Polygon::edges(m_preview.points, false);
        drawWithPen(surface, m_preview.pen, [&] { surface.Lines(lines); });
    }

private:
    // The open edges (all, or the last one) with the canvas's pen, or the
    // final polygon in the true colours.
    void DrawPolygon(Flag final, Flag lastOnly)
    {
        PictureSurface &canvas = ctx.canvas();
        const EditorState &s = ctx.state();
        try {
            if (!isSet(final)) {
                const std::vector<QLine> lines = Polygon::edges(s.PolygonPoints, isSet(lastOnly));
                if (!lines.empty())
                    canvas.Lines(lines);
                return;
            }
            canvas.DrawMode = DrawModeCopyPen;
            switch (s.FillOption) {
            case 0:
                canvas.FillStyle = FillTransparent;
                canvas.ForeColor = ctx.foregroundColor();
                break;
            case 1:
                canvas.FillStyle = s.ShapeFillStyle;
                canvas.ForeColor = ctx.foregroundColor();
                canvas.FillColor = ctx.fillColor();
                break;
            case 2:
                canvas.FillStyle = s.ShapeFillStyle;
                canvas.ForeColor = ctx.fillColor();
                canvas.FillColor = ctx.fillColor();
                break;
            default:
                break;
            }
            // One vertex is no figure: a click and Enter draw nothing.
            if (s.PolygonPoints.size() >= 2)
                canvas.Polygon(s.PolygonPoints);
            canvas.Refresh();
        } catch (const Error &error) {
            ReportError(ReportDescription, error.description());
        }
    }

    PolygonPreview m_preview;  // the edges of the open polygon
};

}  // namespace

std::unique_ptr<Tool> makePolygon(ToolContext &context, int index)
{
    return std::make_unique<PolygonTool>(context, index);
}

}  // namespace pinxel
