#include "selection/FloatingSelection.h"

#include "pinxel/PictureSurface.h"

namespace pinxel {

FloatingSelection::FloatingSelection(PictureSurface &canvas, PictureSurface &picSelect, EditorState &state)
    : m_canvas(canvas), m_select(picSelect), m_state(state)
{
}

bool FloatingSelection::shown() const { return m_select.Visible(); }

void FloatingSelection::enableCommands(bool enabled)
{
    if (commandsEnabled)
        commandsEnabled(enabled);
}

// One pixel outside the selection, in the background colour with the
// canvas's pen (dotted XOR), so a second drawing erases it.
void FloatingSelection::drawMarquee()
{
    const PictureSurface &s = m_select;
    m_canvas.Line(s.Left() - 1, s.Top() - 1, s.Left() + s.pixelWidth(), s.Top() + s.pixelHeight(), m_canvas.BackColor,
                  LineForm::Box);
}

void FloatingSelection::useMarqueePen()
{
    m_canvas.DrawStyle = StyleDot;
    m_canvas.DrawMode = DrawModeXorPen;
    m_canvas.DrawWidth = 1;
}

void FloatingSelection::create(int left, int top, int width, int height)
{
    PictureSurface &s = m_select;
    s.setPixelSize(width, height);
    s.Move(left, top);
    s.setVisible(true);
    s.setPicture(QImage());
    s.PaintPicture(m_canvas.Image(), 0, 0, width, height, left, top, width, height);
    enableCommands(true);
    m_state.SelectionUnmoved = FlagTrue;
}

void FloatingSelection::discard()
{
    m_select.setVisible(false);
    enableCommands(false);
}

bool FloatingSelection::drop()
{
    if (!shown())
        return false;
    m_select.setVisible(false);
    m_canvas.PaintPicture(m_select.Image(), m_select.Left(), m_select.Top());
    useMarqueePen();
    drawMarquee();
    enableCommands(false);
    return !isSet(m_state.SelectionUnmoved);
}

void FloatingSelection::DrawSelectionRect()
{
    if (!shown())
        return;
    const int mode = m_canvas.DrawMode, width = m_canvas.DrawWidth;
    useMarqueePen();
    m_state.SelectionUnmoved = FlagFalse;
    drawMarquee();
    m_canvas.DrawStyle = StyleSolid;
    m_canvas.DrawMode = mode;
    m_canvas.DrawWidth = width;
}

void FloatingSelection::press(int button, int shift, double x, double y)
{
    if (button != 1)
        return;
    EditorState &s = m_state;
    s.SelectionDragging = FlagTrue;
    m_canvas.DrawWidth = 1;
    if (shift != 2 && isSet(s.SelectionUnmoved)) {
        // A plain drag of a fresh selection lifts it: its source becomes background.
        m_canvas.DrawStyle = s.LineDrawStyle;
        m_canvas.DrawMode = DrawModeCopyPen;
        m_canvas.Line(m_select.Left(), m_select.Top(), m_select.Left() + m_select.pixelWidth() - 1,
                      m_select.Top() + m_select.pixelHeight() - 1, m_canvas.BackColor, LineForm::FilledBox);
        s.SelectionUnmoved = FlagFalse;
    }
    useMarqueePen();
    drawMarquee();
    s.StartX = toInt32(x);
    s.StartY = toInt32(y);
}

void FloatingSelection::move(int button, double x, double y)
{
    EditorState &s = m_state;
    if (button != 1 || !isSet(s.SelectionDragging))
        return;
    s.EndX = toInt32(x);
    s.EndY = toInt32(y);
    m_select.Move(m_select.Left() + (s.EndX - s.StartX), m_select.Top() + (s.EndY - s.StartY));
}

void FloatingSelection::release(int button)
{
    if (button != 1)
        return;
    drawMarquee();
    m_state.SelectionUnmoved = FlagFalse;
    m_state.SelectionDragging = FlagFalse;
}

}  // namespace pinxel
