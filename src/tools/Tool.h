#pragma once
// One tool of the palette. The tool box does what every press shares (the
// stroke state, the line style and width, the preview pen) and records the
// undo steps; a tool does only its own part and keeps its own stroke state.
// The state the documents make editor state (PolygonPoints, StartX, ...)
// stays in EditorState, reached through the context.

#include "pinxel/Numeric.h"

#include <QString>

namespace pinxel {

class PictureSurface;
class ToolContext;

class Tool {
public:
    Tool(ToolContext &context, int index) : ctx(context), m_index(index) {}
    virtual ~Tool() = default;
    Tool(const Tool &) = delete;
    Tool &operator=(const Tool &) = delete;

    int index() const { return m_index; }

    // A left press at the start point, before the preview pen is set up.
    virtual void press(int shift, int x, int y);
    // A press with the right button alone; no stroke starts.
    virtual void pressRight(int shift, double x, double y);
    // A move with the left button alone while a stroke is in progress.
    virtual void move(int shift, double x, double y);
    // The release, with EndX/EndY at the raw release point; the tool box
    // then ends the stroke and records the undo step if the table says so.
    virtual void release(int shift, double x, double y);
    // The finish action's share (double-click, Enter, another tool chosen):
    // completes pending work; true when that made an undo step to record.
    virtual bool finish();
    // Drops an open figure without drawing it: the picture it was on was
    // replaced (New, Open, a script's load).
    virtual void forget();
    // Removes an open figure's preview and shows it again, around a change
    // of the pen or colour it was drawn with.
    virtual void hidePreview();
    virtual void showPreview();
    // Takes the open figure's XOR preview off a copy of the canvas (drawing
    // it again there with the pen that drew it), so that a picture leaving
    // the editor carries no preview; the canvas and the tool stay as they are.
    void removePreviewFrom(PictureSurface &copy) const;

    // The status bar hint: the table's busy hint while the tool is busy.
    virtual QString hint() const;

protected:
    // Whether the tool has work in progress that its busy hint describes.
    virtual bool busy() const;
    // Whether an XOR preview the tool drew is on the canvas, and that figure
    // drawn again with the pen that drew it, which takes it off a surface.
    virtual bool previewShown() const;
    virtual void drawPreviewAgain(PictureSurface &surface) const;
    // The copy pen in a colour, as the painting tools' presses set it.
    void useCopyPen(Color color);

    ToolContext &ctx;

private:
    int m_index;
};

}  // namespace pinxel
