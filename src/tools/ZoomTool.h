#pragma once
// Zoom (tool 15): each left release enlarges the view 1.25 times, or with
// Ctrl reduces it, and brings the released point to the middle. The view is
// always rebuilt from the zoom store, the picture at actual size, so no step
// loses detail and the return to actual size gives the picture back exactly.
// Zooming in stops where the view would pass 50000 twips (the store's size
// times the factor times 2.5 above 100000); zooming out has no limit.

#include "tools/Tool.h"

#include <QPoint>

#include <optional>

namespace pinxel {

class PictureSurface;

// Fills the zoom store with the canvas's picture and size, before the first
// step from actual size.
void fillZoomStore(PictureSurface &store, const PictureSurface &canvas);

class ZoomTool : public Tool {
public:
    using Tool::Tool;

    void release(int shift, double x, double y) override;

    // One step in or out at (x, y), in canvas pixels: ZoomFactor changes and
    // the point at the new factor comes back in canvas twips; nothing when
    // the step is refused. The caller rebuilds the view.
    std::optional<QPoint> step(bool out, double x, double y);
};

}  // namespace pinxel
