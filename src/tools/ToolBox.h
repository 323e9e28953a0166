#pragma once
// The eighteen tools and the pointer dispatch on the canvas. The tool box
// dispatches by CurrentTool, does what every press shares once (the stroke
// state, line style and width, the preview pen), and records the undo step
// after a release or a finish action as the tool table says.

#include "tools/Tool.h"
#include "tools/ToolTable.h"

#include <array>
#include <functional>
#include <memory>

namespace pinxel {

class ToolBox {
public:
    explicit ToolBox(ToolContext &context);
    ~ToolBox();

    // The tool CurrentTool names (one without behaviour when it is out of range).
    Tool &current();
    // A tool by index, as its own class, for the events of its elements
    // (the curve handles, the text box).
    template <typename T> T &toolAs(int index) { return dynamic_cast<T &>(tool(index)); }

    // Pointer events on the canvas, Button 1 left, 2 right.
    void press(int button, int shift, double x, double y);
    void move(int button, int shift, double x, double y);
    void release(int button, int shift, double x, double y);
    // The finish action: completes the current tool's pending work.
    void finish();

    // Drops every open figure: the picture it was on was replaced.
    void forgetAll();
    // A change of the canvas pen or colour while a figure may be open: its
    // preview goes before the change and comes back with the new pen.
    void aroundPenChange(const std::function<void()> &change);
    // Takes every open figure's preview off a copy of the canvas.
    void removePreviewsFrom(PictureSurface &copy) const;

private:
    Tool &tool(int index);
    void setUpPreviewPen(PreviewPen pen);

    ToolContext &m_ctx;
    std::array<std::unique_ptr<Tool>, ToolCount> m_tools;
    Tool m_none;
};

}  // namespace pinxel
