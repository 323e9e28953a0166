#include "tools/BrushShapes.h"

#include "pinxel/PictureSurface.h"

#include <array>

namespace pinxel {

namespace {

enum class Figure {
    FilledBox,
    Circle,
    Box,
    Lines
};
enum class FillRule {
    Kept,
    Chosen,
    Transparent
};

// A line from (x1, y1) to (x2, y2), in radii from the centre.
struct Segment {
    int x1, y1, x2, y2;
};

struct BrushShapeRow {
    const char *name;
    FillRule fill;
    Figure figure;
    int segmentCount;
    std::array<Segment, 2> segments;  // drawn in this order
};

// clang-format off
const BrushShapeRow Shapes[BrushShapeCount] = {
    {"filled square",    FillRule::Chosen,      Figure::FilledBox, 0, {}},
    {"filled disc",      FillRule::Chosen,      Figure::Circle,    0, {}},
    {"hollow square",    FillRule::Transparent, Figure::Box,       0, {}},
    {"ring",             FillRule::Transparent, Figure::Circle,    0, {}},
    {"upright cross",    FillRule::Kept,        Figure::Lines,     2, {{{-1, 0, 1, 0}, {0, -1, 0, 1}}}},
    {"diagonal cross",   FillRule::Kept,        Figure::Lines,     2, {{{-1, 1, 1, -1}, {-1, -1, 1, 1}}}},
    {"rising line",      FillRule::Kept,        Figure::Lines,     1, {{{-1, 1, 1, -1}}}},
    {"falling line",     FillRule::Kept,        Figure::Lines,     1, {{{-1, -1, 1, 1}}}},
    {"horizontal line",  FillRule::Kept,        Figure::Lines,     1, {{{-1, 0, 1, 0}}}},
    {"vertical line",    FillRule::Kept,        Figure::Lines,     1, {{{0, -1, 0, 1}}}},
};
// clang-format on

}  // namespace

void drawBrushShape(PictureSurface &surface, int shape, double x, double y, int r, int fillStyle)
{
    if (shape < 0 || shape >= BrushShapeCount)
        return;
    const BrushShapeRow &row = Shapes[shape];
    if (row.fill == FillRule::Chosen)
        surface.FillStyle = fillStyle;
    else if (row.fill == FillRule::Transparent)
        surface.FillStyle = FillTransparent;
    switch (row.figure) {
    case Figure::FilledBox:
        surface.Line(x - r, y - r, x + r, y + r, std::nullopt, LineForm::FilledBox);
        break;
    case Figure::Box:
        surface.Line(x - r, y - r, x + r, y + r, std::nullopt, LineForm::Box);
        break;
    case Figure::Circle:
        surface.Circle(x, y, r);
        break;
    case Figure::Lines:
        for (int i = 0; i < row.segmentCount; ++i) {
            const Segment &s = row.segments[size_t(i)];
            surface.Line(x + s.x1 * r, y + s.y1 * r, x + s.x2 * r, y + s.y2 * r);
        }
        break;
    }
}

QImage brushShapeImage(int shape)
{
    PictureSurface surface;
    surface.setScaleMode(ScalePixels);
    surface.setPixelSize(9, 9);
    surface.BackColor = 0xFFFFFF;
    surface.Cls();
    surface.ForeColor = 0;
    surface.FillColor = 0;
    drawBrushShape(surface, shape, 4, 4, 3, FillSolid);
    QImage image = surface.Image().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == qRgb(255, 255, 255))
                image.setPixel(x, y, qRgba(0, 0, 0, 0));
    return image;
}

}  // namespace pinxel
