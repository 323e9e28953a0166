#include "tools/ToolBox.h"

#include "pinxel/PictureSurface.h"
#include "tools/ToolContext.h"

namespace pinxel {

ToolBox::ToolBox(ToolContext &context) : m_ctx(context), m_none(context, -1)
{
    for (int i = 0; i < ToolCount; ++i) {
        const ToolRow &row = toolRow(i);
        m_tools[size_t(i)] = row.make ? row.make(context, i) : std::make_unique<Tool>(context, i);
    }
}

ToolBox::~ToolBox() = default;

Tool &ToolBox::tool(int index) { return index >= 0 && index < ToolCount ? *m_tools[size_t(index)] : m_none; }
Tool &ToolBox::current() { return tool(m_ctx.state().CurrentTool); }

// The preview pen: XOR mode with colours pre-mixed with the canvas
// background, so that a figure shows its true colour over the background and
// drawing it twice restores every pixel.
void ToolBox::setUpPreviewPen(PreviewPen pen)
{
    PictureSurface &canvas = m_ctx.canvas();
    EditorState &s = m_ctx.state();
    canvas.DrawMode = DrawModeXorPen;
    const Color back = canvas.BackColor;
    const Color fore = m_ctx.foregroundColor();
    const Color fill = m_ctx.fillColor();
    if (pen == PreviewPen::Outline) {
        canvas.ForeColor = fore ^ back;
        canvas.FillStyle = FillTransparent;
    } else {
        switch (s.FillOption) {
        case 0:
            canvas.FillStyle = FillTransparent;
            canvas.ForeColor = fore ^ back;
            break;
        case 1:
            canvas.FillStyle = s.ShapeFillStyle;
            canvas.ForeColor = fore ^ back;
            canvas.FillColor = fill ^ back;
            break;
        case 2:
            canvas.FillStyle = s.ShapeFillStyle;
            canvas.ForeColor = fill ^ back;
            canvas.FillColor = fill ^ back;
            break;
        default:
            break;
        }
    }
    s.EndX = s.StartX;
    s.EndY = s.StartY;
}

void ToolBox::press(int button, int shift, double x, double y)
{
    if (button == 2)
        current().pressRight(shift, x, y);
    if (button != 1)
        return;
    EditorState &s = m_ctx.state();
    PictureSurface &canvas = m_ctx.canvas();
    s.IsDrawing = FlagTrue;
    s.StartX = toInt32(x);
    s.StartY = toInt32(y);
    if (s.CurrentTool == ToolSelectArea) {
        canvas.DrawStyle = StyleDot;
        canvas.DrawWidth = 1;
    } else {
        canvas.DrawStyle = s.LineDrawStyle;
        canvas.DrawWidth = s.DotIndex + 1;
    }
    Tool &tool = current();
    tool.press(shift, s.StartX, s.StartY);
    const PreviewPen pen = toolRow(tool.index()).previewPen;
    if (pen != PreviewPen::None)
        setUpPreviewPen(pen);
}

void ToolBox::move(int button, int shift, double x, double y)
{
    if (button == 1 && isSet(m_ctx.state().IsDrawing))
        current().move(shift, x, y);
}

void ToolBox::release(int button, int shift, double x, double y)
{
    EditorState &s = m_ctx.state();
    if (button != 1 || !isSet(s.IsDrawing))
        return;
    s.EndX = toInt32(x);
    s.EndY = toInt32(y);
    Tool &tool = current();
    tool.release(shift, x, y);
    s.IsDrawing = FlagFalse;
    if (toolRow(tool.index()).snapshotAtRelease)
        m_ctx.recordStep();
}

void ToolBox::finish()
{
    if (current().finish())
        m_ctx.recordStep();
}

void ToolBox::forgetAll()
{
    for (auto &tool : m_tools)
        tool->forget();
}

void ToolBox::aroundPenChange(const std::function<void()> &change)
{
    for (auto &tool : m_tools)
        tool->hidePreview();
    change();
    for (auto &tool : m_tools)
        tool->showPreview();
}

void ToolBox::removePreviewsFrom(PictureSurface &copy) const
{
    for (const auto &tool : m_tools)
        tool->removePreviewFrom(copy);
}

}  // namespace pinxel
