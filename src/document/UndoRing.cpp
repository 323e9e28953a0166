#include "document/UndoRing.h"

#include "document/mdlGeneral.h"
#include "platform/raster/RasterPool.h"

#include <new>

namespace pinxel {

namespace {
constexpr std::int16_t RingLast = 10;

std::int16_t stepForward(std::int16_t position) { return position >= RingLast ? 0 : std::int16_t(position + 1); }
std::int16_t stepBack(std::int16_t position) { return position < 1 ? RingLast : std::int16_t(position - 1); }

std::function<void(const QString &)> &mismatchCheck()
{
    static std::function<void(const QString &)> check;
    return check;
}

void checkSame(const TiledPicture &snapshot, const QImage &picture, const char *what)
{
    if (mismatchCheck() && !snapshot.samePixels(picture))
        mismatchCheck()(QStringLiteral("the undo history %1 a picture that differs from its snapshot").arg(what));
}

// Running out of memory for a snapshot is reported like any other failure.
template <typename Work> void orOutOfMemory(Work &&work)
{
    try {
        work();
    } catch (const std::bad_alloc &) {
        throw Error(ErrOutOfMemory);
    }
}
}  // namespace

void UndoRing::setMismatchCheck(std::function<void(const QString &)> check) { mismatchCheck() = std::move(check); }

UndoRing::UndoRing(EditorState &state, PictureSurface &canvas) : m_state(state), m_canvas(canvas)
{
    picBuffer[0] = std::make_unique<Snapshot>();
}

void UndoRing::tell(Availability availability)
{
    if (availabilityChanged)
        availabilityChanged(availability);
}

// The slot takes the picture and its outer size. Tiles are shared
// with the base slot (the picture before the change) wherever the picture's
// stamps show no change since the ring last saw it, or the pixels are equal.
void UndoRing::record(Snapshot &slot, const PictureSurface &picture, const Snapshot *base, bool share)
{
    const bool tracked = m_matches == &picture;
    m_matches = nullptr;  // until the slot holds the picture
    orOutOfMemory([&] {
        if (!base || base->picture.isNull())
            slot.picture = share ? TiledPicture::sharing(picture.Image()) : TiledPicture(picture.Image());
        else
            slot.picture =
                TiledPicture(picture.Image(), base->picture, tracked ? &picture.tileStamps() : nullptr, m_matchesSince);
    });
    slot.width = picture.Width();
    slot.height = picture.Height();
    m_matches = &picture;
    m_matchesSince = picture.tileStamps().now();
    checkSame(slot.picture, picture.Image(), "recorded");
}

// The canvas takes the slot's picture and size. While the canvas still
// holds the shown slot (but for the tiles stamped since), only the tiles that
// differ between the two slots, or changed since, are written.
void UndoRing::restore(const Snapshot &slot, const Snapshot &shown)
{
    const bool tracked = m_matches == &m_canvas;
    m_matches = nullptr;  // until the canvas holds the slot's picture
    orOutOfMemory([&] {
        if (tracked && m_canvas.Image().size() == slot.picture.size()) {
            const QRect written =
                slot.picture.writeOver(m_canvas.raster(), shown.picture, m_canvas.tileStamps(), m_matchesSince);
            m_canvas.markChanged(written);
        } else if (!slot.picture.sharedPicture().isNull()) {
            m_canvas.setPicture(slot.picture.sharedPicture());
        } else {
            QImage picture = newRaster(slot.picture.size().width(), slot.picture.size().height());
            if (picture.isNull())
                throw std::bad_alloc();
            slot.picture.writeAll(picture);
            m_canvas.setPicture(picture);
        }
    });
    m_matches = &m_canvas;
    m_matchesSince = m_canvas.tileStamps().now();
    checkSame(slot.picture, m_canvas.Image(), "restored");
    m_canvas.setWidth(slot.width);
    m_canvas.setHeight(slot.height);
}

void UndoRing::dropUnreachable()
{
    const EditorState &s = m_state;
    for (std::int16_t i = pinxel::stepForward(s.UndoNewest); i != s.UndoOldest; i = pinxel::stepForward(i))
        if (picBuffer[size_t(i)])
            picBuffer[size_t(i)]->picture = TiledPicture();
}

std::size_t UndoRing::heldBytes() const
{
    std::vector<const TiledPicture *> pictures;
    for (const auto &slot : picBuffer)
        if (slot)
            pictures.push_back(&slot->picture);
    return TiledPicture::heldBytes(pictures);
}

void UndoRing::ClearImageBuffer(HistoryStart start)
{
    try {
        m_state.UndoCurrent = 0;
        m_state.UndoOldest = 0;
        m_state.UndoNewest = 0;
        for (size_t i = 1; i < picBuffer.size(); ++i)
            picBuffer[i].reset();
        record(*picBuffer[0], m_canvas, nullptr, start == HistoryStart::SharesPicture);
        tell({false, false});
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void UndoRing::SetImageBuffer(const PictureSurface &picture)
{
    try {
        EditorState &s = m_state;
        const Snapshot *base = picBuffer[size_t(s.UndoCurrent)].get();
        s.UndoCurrent = pinxel::stepForward(s.UndoCurrent);
        auto &slot = picBuffer[size_t(s.UndoCurrent)];
        if (!slot)
            slot = std::make_unique<Snapshot>();
        record(*slot, picture, base);
        s.UndoNewest = s.UndoCurrent;
        if (s.UndoOldest == s.UndoCurrent)
            s.UndoOldest = pinxel::stepForward(s.UndoOldest);  // the ring wrapped onto the oldest snapshot
        dropUnreachable();
        s.IsDirty = FlagTrue;
        tell({true, false});
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

// Undo and Redo are offered only while the slot they reach holds a
// snapshot; a call beyond that changes nothing.
void UndoRing::stepBack()
{
    EditorState &s = m_state;
    const auto &slot = picBuffer[size_t(pinxel::stepBack(s.UndoCurrent))];
    if (s.UndoCurrent == s.UndoOldest || !slot || slot->picture.isNull())
        return;
    const Snapshot &shown = *picBuffer[size_t(s.UndoCurrent)];
    s.UndoCurrent = pinxel::stepBack(s.UndoCurrent);
    restore(*slot, shown);
    tell({s.UndoCurrent != s.UndoOldest, true});
}

void UndoRing::stepForward()
{
    EditorState &s = m_state;
    const auto &slot = picBuffer[size_t(pinxel::stepForward(s.UndoCurrent))];
    if (s.UndoCurrent == s.UndoNewest || !slot || slot->picture.isNull())
        return;
    const Snapshot &shown = *picBuffer[size_t(s.UndoCurrent)];
    s.UndoCurrent = pinxel::stepForward(s.UndoCurrent);
    restore(*slot, shown);
    tell({true, s.UndoCurrent != s.UndoNewest});
}

}  // namespace pinxel
