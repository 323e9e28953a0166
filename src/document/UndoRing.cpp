#include "document/UndoRing.h"

#include "document/mdlGeneral.h"

namespace pinxel {

namespace {
constexpr std::int16_t RingLast = 10;

std::int16_t stepForward(std::int16_t position) { return position >= RingLast ? 0 : std::int16_t(position + 1); }
std::int16_t stepBack(std::int16_t position) { return position < 1 ? RingLast : std::int16_t(position - 1); }

// A slot keeps the canvas's outer size in twips in its tag, exactly.
QString sizeTag(const PictureSurface &canvas)
{
    return QStringLiteral("%1 %2")
        .arg(qint64(roundHalfEven(canvas.Width())))
        .arg(qint64(roundHalfEven(canvas.Height())));
}

// Records the canvas into a slot: its pixels (into the slot's own memory) and its outer size.
void recordInto(PictureSurface &slot, const PictureSurface &canvas)
{
    slot.copyPicture(canvas.Image());
    slot.Tag = sizeTag(canvas);
}

void restoreFrom(PictureSurface &canvas, const PictureSurface &slot)
{
    canvas.copyPicture(slot.Image());
    const QStringList size = slot.Tag.split(QLatin1Char(' '));
    if (size.size() == 2) {
        canvas.setWidth(size[0].toDouble());
        canvas.setHeight(size[1].toDouble());
    }
}

std::unique_ptr<PictureSurface> hiddenSlot()
{
    auto slot = std::make_unique<PictureSurface>();
    slot->AutoSize = true;
    slot->setVisible(false);
    return slot;
}
}  // namespace

UndoRing::UndoRing(EditorState &state, PictureSurface &canvas) : m_state(state), m_canvas(canvas)
{
    picBuffer[0] = hiddenSlot();  // hidden, white, persistent
}

void UndoRing::tell(Availability availability)
{
    if (availabilityChanged)
        availabilityChanged(availability);
}

void UndoRing::ClearImageBuffer()
{
    try {
        m_state.UndoCurrent = 0;
        m_state.UndoOldest = 0;
        m_state.UndoNewest = 0;
        for (size_t i = 1; i < picBuffer.size(); ++i)
            picBuffer[i].reset();
        recordInto(*picBuffer[0], m_canvas);
        tell({false, false});
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void UndoRing::SetImageBuffer(const PictureSurface &picture)
{
    try {
        EditorState &s = m_state;
        s.UndoCurrent = pinxel::stepForward(s.UndoCurrent);
        auto &slot = picBuffer[size_t(s.UndoCurrent)];
        if (!slot)
            slot = hiddenSlot();
        recordInto(*slot, picture);
        s.UndoNewest = s.UndoCurrent;
        if (s.UndoOldest == s.UndoCurrent)
            s.UndoOldest = pinxel::stepForward(s.UndoOldest);  // the ring wrapped onto the oldest snapshot
        s.IsDirty = FlagTrue;
        tell({true, false});
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void UndoRing::stepBack()
{
    EditorState &s = m_state;
    s.UndoCurrent = pinxel::stepBack(s.UndoCurrent);
    restoreFrom(m_canvas, *picBuffer[size_t(s.UndoCurrent)]);
    tell({s.UndoCurrent != s.UndoOldest, true});
}

void UndoRing::stepForward()
{
    EditorState &s = m_state;
    s.UndoCurrent = pinxel::stepForward(s.UndoCurrent);
    restoreFrom(m_canvas, *picBuffer[size_t(s.UndoCurrent)]);
    tell({true, s.UndoCurrent != s.UndoNewest});
}

}  // namespace pinxel
