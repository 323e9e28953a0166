#include "selection/FloatingSelection.h"

#include "pinxel/PictureSurface.h"

namespace pinxel {

namespace {

// The marquee on a surface: one pixel outside the selection, in the
// background colour with the dotted XOR pen, so that a second drawing erases
// it. It is an outline only, whatever fill the last shape left on the pen.
void drawMarqueeOn(PictureSurface &surface, const PictureSurface &selection)
{
    surface.DrawStyle = StyleDot;
    surface.DrawMode = DrawModeXorPen;
    surface.DrawWidth = 1;
    const int fillStyle = surface.FillStyle;
    surface.FillStyle = FillTransparent;
    surface.Line(selection.Left() - 1, selection.Top() - 1, selection.Left() + selection.pixelWidth(),
                 selection.Top() + selection.pixelHeight(), surface.BackColor, LineForm::Box);
    surface.FillStyle = fillStyle;
}

}  // namespace

FloatingSelection::FloatingSelection(PictureSurface &canvas, PictureSurface &picSelect, EditorState &state)
    : m_canvas(canvas), m_select(picSelect), m_state(state)
{}

bool FloatingSelection::shown() const { return m_select.Visible(); }

void FloatingSelection::enableCommands(bool enabled)
{
    if (commandsEnabled)
        commandsEnabled(enabled);
}

void FloatingSelection::toggleMarquee()
{
    drawMarqueeOn(m_canvas, m_select);
    m_marqueeShown = !m_marqueeShown;
}

void FloatingSelection::create(int left, int top, int width, int height)
{
    PictureSurface &s = m_select;
    s.setPixelSize(width, height);
    s.Move(left, top);
    s.setVisible(true);
    s.setPicture(QImage());
    s.PaintPicture(m_canvas.Image(), 0, 0, width, height, left, top, width, height);
    m_source = QRect(left, top, width, height);
    m_marqueeShown = false;
    toggleMarquee();
    enableCommands(true);
    m_state.SelectionUnmoved = FlagTrue;
}

void FloatingSelection::paste(const QImage &picture)
{
    m_select.setPicture(picture);  // the selection takes the picture's size
    m_state.SelectionUnmoved = FlagFalse;
    m_select.Move(0, 0);
    m_marqueeShown = false;
    toggleMarquee();
    m_select.setVisible(true);
    enableCommands(true);
}

void FloatingSelection::discard()
{
    m_select.setVisible(false);
    m_marqueeShown = false;  // the canvas it was drawn on is being replaced
    enableCommands(false);
}

bool FloatingSelection::drop()
{
    if (!shown())
        return false;
    m_select.setVisible(false);
    m_canvas.PaintPicture(m_select.Image(), m_select.Left(), m_select.Top());
    if (m_marqueeShown)
        toggleMarquee();
    enableCommands(false);
    return !isSet(m_state.SelectionUnmoved);
}

void FloatingSelection::remove()
{
    m_select.setVisible(false);
    if (m_marqueeShown)
        toggleMarquee();
    m_canvas.DrawMode = DrawModeCopyPen;
    m_canvas.DrawStyle = m_state.LineDrawStyle;
    if (isSet(m_state.SelectionUnmoved) && !m_source.isEmpty()) {
        // The pixels strictly inside the rubber band that made the selection.
        m_canvas.Line(m_source.left(), m_source.top(), m_source.right(), m_source.bottom(), m_canvas.BackColor,
                      LineForm::FilledBox);
    }
    enableCommands(false);
}

void FloatingSelection::crop()
{
    m_select.setVisible(false);
    m_canvas.setPicture(m_select.Image());  // the marquee goes with the old picture
    m_marqueeShown = false;
    enableCommands(false);
}

void FloatingSelection::DrawSelectionRect()
{
    if (!shown())
        return;
    const int mode = m_canvas.DrawMode, width = m_canvas.DrawWidth;
    m_state.SelectionUnmoved = FlagFalse;
    toggleMarquee();
    m_canvas.DrawStyle = StyleSolid;
    m_canvas.DrawMode = mode;
    m_canvas.DrawWidth = width;
}

void FloatingSelection::paintOnto(PictureSurface &copy) const
{
    if (m_marqueeShown)
        drawMarqueeOn(copy, m_select);
    if (shown())
        copy.PaintPicture(m_select.Image(), m_select.Left(), m_select.Top());
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
    if (m_marqueeShown)
        toggleMarquee();  // hidden for the drag
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
    if (!m_marqueeShown)
        toggleMarquee();
    m_state.SelectionUnmoved = FlagFalse;
    m_state.SelectionDragging = FlagFalse;
}

}  // namespace pinxel
