#pragma once
// What a rubber-band preview left on the canvas. A preview is drawn with the
// XOR pen, so drawing the same figure with the same pen again removes it; the
// record keeps that pen, so that a preview is removed exactly even when the
// pen changed while it was shown (a colour, width or style chosen between two
// polygon presses), and is removed before the final figure, whatever the
// release point.

#include "pinxel/Numeric.h"

#include <QPoint>

#include <array>
#include <vector>

namespace pinxel {

class PictureSurface;

// The pen and fill properties of a surface that a figure is drawn with.
struct PenState {
    Color foreColor = 0;
    Color fillColor = 0;
    int drawWidth = 1;
    int drawStyle = 0;
    int drawMode = 13;
    int fillStyle = 1;

    static PenState of(const PictureSurface &surface);
    void applyTo(PictureSurface &surface) const;
};

// Draws a figure with a pen, leaving the surface's own pen as it was.
template <typename Draw> void drawWithPen(PictureSurface &surface, const PenState &pen, Draw &&draw)
{
    const PenState current = PenState::of(surface);
    pen.applyTo(surface);
    draw();
    current.applyTo(surface);
}

// The preview of a one-stroke shape (line, arrow, rectangle, ellipse, rounded rectangle).
struct ShapePreview {
    bool shown = false;
    int tool = 0;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    PenState pen;
};

// The preview of an open polygon: its edges as one figure.
struct PolygonPreview {
    bool shown = false;
    std::vector<QPoint> points;
    PenState pen;
};

// The preview of the curve being shaped: the Bezier points it went through.
struct CurvePreview {
    bool shown = false;
    std::array<QPoint, 4> points;
    PenState pen;
};

}  // namespace pinxel
