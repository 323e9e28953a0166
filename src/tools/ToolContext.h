#pragma once
// What a tool may use: the canvas, the editor state, the two colours, the
// floating selection, the undo ring, the viewport, the host services and the
// widget that on-canvas elements live in. The editor window implements it;
// tools never see the window.

#include "document/EditorState.h"
#include "pinxel/Numeric.h"

#include <cstdint>

class QWidget;

namespace pinxel {

class FloatingSelection;
class HostServices;
class PictureSurface;
class UndoRing;

class ToolContext {
public:
    virtual ~ToolContext() = default;

    virtual PictureSurface &canvas() = 0;
    virtual EditorState &state() = 0;
    // The colours of the swatches lblForeColor and lblFillColor.
    virtual Color foregroundColor() const = 0;
    virtual Color fillColor() const = 0;
    virtual FloatingSelection &selection() = 0;
    // Drops the floating selection into the picture, as an undo step when it changed.
    virtual void DropSelection() = 0;
    virtual UndoRing &undoRing() = 0;
    // Returns the view to actual size or zooms it (the viewport).
    virtual void SetZoomView(std::int32_t x, std::int32_t y, Flag reset) = 0;
    virtual HostServices &host() = 0;
    // The filter commands' procedure; the filter brush applies its filter
    // to the square around (x, y) of the canvas.
    virtual void ApplyFilter(int filter, int x, int y) = 0;
    // The widget on the canvas where on-canvas elements (curve handles, the text box) live.
    virtual QWidget *canvasWidget() = 0;
};

}  // namespace pinxel
