#include "tools/ShapePreview.h"

#include "pinxel/PictureSurface.h"

namespace pinxel {

PenState PenState::of(const PictureSurface &surface)
{
    return PenState{surface.ForeColor, surface.FillColor, surface.DrawWidth,
                    surface.DrawStyle, surface.DrawMode,  surface.FillStyle};
}

void PenState::applyTo(PictureSurface &surface) const
{
    surface.ForeColor = foreColor;
    surface.FillColor = fillColor;
    surface.DrawWidth = drawWidth;
    surface.DrawStyle = drawStyle;
    surface.DrawMode = drawMode;
    surface.FillStyle = fillStyle;
}

}  // namespace pinxel
