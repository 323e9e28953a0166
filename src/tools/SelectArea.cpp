// The Select Area tool (tool 0) on the canvas: the dotted XOR rubber band and,
// at the release, the floating selection it encloses.

#include "document/EditorState.h"
#include "pinxel/PictureSurface.h"
#include "selection/FloatingSelection.h"
#include "tools/ConstrainEnd.h"
#include "tools/ShapePreview.h"
#include "tools/Tool.h"
#include "tools/ToolContext.h"
#include "tools/Tools.h"

#include <QCoreApplication>
#include <QRect>

#include <cmath>
#include <optional>

namespace pinxel {

namespace {

class SelectArea : public Tool {
public:
    using Tool::Tool;

    void press(int, int, int) override
    {
        m_band.reset();  // a press draws nothing: the band appears with the first move
        ctx.canvas().DrawWidth = 1;
        ctx.DropSelection();
    }

    void move(int shift, double x, double y) override
    {
        EditorState &s = ctx.state();
        eraseBand();
        ConstrainEnd(s, x, y, shift, FlagFalse);
        const QRect corners(QPoint(s.StartX, s.StartY), QPoint(s.EndX, s.EndY));
        PictureSurface &canvas = ctx.canvas();
        m_band = Band{corners, PenState::of(canvas)};
        drawBandWith(canvas, m_band->pen, corners);
    }

    void release(int shift, double x, double y) override
    {
        EditorState &s = ctx.state();
        PictureSurface &canvas = ctx.canvas();
        // The band goes; a selection draws its marquee on the same pixels.
        eraseBand();
        if (std::abs(s.EndX - s.StartX) >= 2 && std::abs(s.EndY - s.StartY) >= 2) {
            ConstrainEnd(s, x, y, shift, FlagFalse);
            // The inside of the rubber band, one pixel in on every side.
            ctx.selection().create(std::min(s.StartX, s.EndX) + 1, std::min(s.StartY, s.EndY) + 1,
                                   std::abs(s.EndX - s.StartX) - 1, std::abs(s.EndY - s.StartY) - 1);
        } else {
            ctx.selection().discard();
            s.SelectionUnmoved = FlagFalse;
        }
        canvas.DrawWidth = s.DotIndex + 1;
    }

    void forget() override { m_band.reset(); }

    bool finish() override
    {
        ctx.DropSelection();  // records its own undo step when it changed
        return false;
    }

    QString hint() const override
    {
        if (isSet(ctx.state().SelectionUnmoved))
            return QCoreApplication::translate("SelectArea",
                                               "Press and hold down CTRL before moving the selection to copy it");
        return Tool::hint();
    }

protected:
    bool busy() const override { return isSet(ctx.state().IsDrawing); }
    bool previewShown() const override { return m_band.has_value(); }
    void drawPreviewAgain(PictureSurface &surface) const override
    {
        drawBandWith(surface, m_band->pen, m_band->corners);
    }

private:
    // The rubber band: a dotted XOR box in the background colour, drawn with
    // the pen the press set up, so that drawing it again erases it.
    struct Band {
        QRect corners;
        PenState pen;
    };
    static void drawBandWith(PictureSurface &surface, const PenState &pen, const QRect &corners)
    {
        drawWithPen(surface, pen, [&] {
            surface.Line(corners.left(), corners.top(), corners.right(), corners.bottom(), surface.BackColor,
                         LineForm::Box);
        });
    }
    void eraseBand()
    {
        if (m_band) {
            drawPreviewAgain(ctx.canvas());
            m_band.reset();
        }
    }

    // The band on the canvas, when one is drawn.
    std::optional<Band> m_band;
};

}  // namespace

std::unique_ptr<Tool> makeSelectArea(ToolContext &context, int index)
{
    return std::make_unique<SelectArea>(context, index);
}

}  // namespace pinxel
