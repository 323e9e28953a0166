#pragma once
// What a tool may use: the canvas, the editor state, the two colours, the
// floating selection, the edit path's record of an undo step, the viewport
// (zoom, scroll bars, the canvas's pointer), the host services and the
// elements on the canvas. The editor window implements it; tools never see
// the window.

#include "document/EditorState.h"
#include "pinxel/Numeric.h"

#include <QString>

#include <cstdint>

namespace pinxel {

class CanvasElement;
class FloatingSelection;
class HostServices;
class PictureSurface;
class TextBox;

// The view's scroll bars hscPaint and vscPaint, in units of 10 twips.
enum class ScrollAxis {
    Horizontal,
    Vertical
};
struct ScrollPosition {
    bool shown;
    int value, minimum, maximum;
};

class ToolContext {
public:
    virtual ~ToolContext() = default;

    virtual PictureSurface &canvas() = 0;
    virtual EditorState &state() = 0;
    // The colours of the swatches lblForeColor and lblFillColor.
    virtual Color foregroundColor() const = 0;
    virtual Color fillColor() const = 0;
    // The swatches take a picked colour.
    virtual void setForegroundColor(Color color) = 0;
    virtual void setFillColor(Color color) = 0;
    virtual FloatingSelection &selection() = 0;
    // Drops the floating selection into the picture, as an undo step when it changed.
    virtual void DropSelection() = 0;
    // Records the canvas as one undo step (SetImageBuffer, through the edit path).
    virtual void recordStep() = 0;
    // Returns the view to actual size or zooms it (the viewport).
    virtual void SetZoomView(std::int32_t x, std::int32_t y, Flag reset) = 0;
    // The zoom store picZoom: the picture at actual size while the view is zoomed.
    virtual PictureSurface &zoomStore() = 0;
    virtual ScrollPosition scrollPosition(ScrollAxis axis) const = 0;
    // A new value moves the canvas.
    virtual void scrollTo(ScrollAxis axis, int value) = 0;
    // The canvas's pointer from a file of the "Cursors" folder beside the
    // library; throws when the file cannot be loaded.
    virtual void setCanvasPointer(const QString &file) = 0;
    virtual HostServices &host() = 0;
    // The filter commands' procedure; the filter brush applies its filter
    // to the square around (x, y) of the canvas.
    virtual void ApplyFilter(int filter, int x, int y) = 0;
    // The curve handles imgBezier(0..3) and the text box txtText.
    virtual CanvasElement &curveHandle(int index) = 0;
    virtual TextBox &textBox() = 0;
    // Gives the keyboard focus back to the canvas.
    virtual void focusCanvas() = 0;
    // The filter brush's pop-up: the chosen filter becomes FilterBrushFilter.
    virtual void showFilterMenu() = 0;
};

}  // namespace pinxel
