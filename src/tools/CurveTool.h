#pragma once
// The Curve tool (tool 13): one cubic Bezier curve at a time. The first
// press places the four handles imgBezier(0..3) 50 pixels around the
// pointer (start, first control, second control, end point) and shows the
// curve through them as an XOR preview. Dragging on the canvas moves the
// whole curve, dragging a handle moves that point, and the finish action
// (double-click, Enter, another tool) draws the final curve in the
// foreground colour as one undo step. Like every preview, the curve's is
// removed with the pen that drew it.

#include "tools/ShapePreview.h"
#include "tools/Tool.h"

#include <array>

namespace pinxel {

class CurveTool : public Tool {
public:
    using Tool::Tool;

    void press(int shift, int x, int y) override;
    void move(int shift, double x, double y) override;
    bool finish() override;
    void forget() override;
    void hidePreview() override;
    void showPreview() override;

    // The pointer events of handle imgBezier(index), X and Y in pixels from
    // its top-left corner. Only a shown curve's handles can be pressed.
    void handleMouseDown(int index, int button, int shift, double x, double y);
    void handleMouseMove(int index, int button, int shift, double x, double y);
    void handleMouseUp(int index, int button, int shift, double x, double y);

    // Places the handles around (x, y) when asked, then draws the curve
    // through them with the canvas's pen; the final curve with the copy pen.
    void DrawCurve(Flag place, Flag final, float x, float y);

protected:
    bool busy() const override { return shaping(); }
    bool previewShown() const override { return m_preview.shown; }
    void drawPreviewAgain(PictureSurface &surface) const override;

private:
    // The curve's points: the handles' centres, all measured with handle 0's size.
    std::array<QPoint, 4> points() const;
    // A curve is being shaped exactly while handle 0 shows.
    bool shaping() const;
    // Draws the preview with the canvas's pen (placing the handles first when
    // asked) and remembers what it drew with.
    void drawPreview(Flag place, float x, float y);

    CurvePreview m_preview;
};

}  // namespace pinxel
