// The undo history: a ring of eleven snapshots of the canvas, each with the
// canvas's outer size, walked by Undo and Redo.

#include "editor/frmPaint.h"

#include "editor/mdlGeneral.h"

#include <QAction>

namespace pinxel {

namespace {
constexpr std::int16_t RingLast = 10;

std::int16_t stepForward(std::int16_t position) { return position >= RingLast ? 0 : std::int16_t(position + 1); }
std::int16_t stepBack(std::int16_t position) { return position < 1 ? RingLast : std::int16_t(position - 1); }

// A slot keeps the canvas's outer size in twips in its tag, exactly.
QString sizeTag(const PictureSurface &canvas)
{
    return QStringLiteral("%1 %2").arg(qint64(roundHalfEven(canvas.Width()))).arg(qint64(roundHalfEven(canvas.Height())));
}
}  // namespace

// Records the canvas into slot s: its pixels (into the slot's own memory) and its outer size.
static void recordInto(PictureSurface &slot, const PictureSurface &canvas)
{
    slot.copyPicture(canvas.Image());
    slot.Tag = sizeTag(canvas);
}

static void restoreFrom(PictureSurface &canvas, const PictureSurface &slot)
{
    canvas.copyPicture(slot.Image());
    const QStringList size = slot.Tag.split(QLatin1Char(' '));
    if (size.size() == 2) {
        canvas.setWidth(size[0].toDouble());
        canvas.setHeight(size[1].toDouble());
    }
}

void frmPaint::ClearImageBuffer()
{
    try {
        UndoCurrent = 0;
        UndoOldest = 0;
        UndoNewest = 0;
        for (size_t i = 1; i < picBuffer.size(); ++i)
            picBuffer[i].reset();
        recordInto(*picBuffer[0], picPaint);
        item(QStringLiteral("mnuUndo"))->setEnabled(false);
        item(QStringLiteral("mnuRedo"))->setEnabled(false);
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::SetImageBuffer()
{
    try {
        UndoCurrent = stepForward(UndoCurrent);
        auto &slot = picBuffer[size_t(UndoCurrent)];
        if (!slot) {
            slot = std::make_unique<PictureSurface>();
            slot->AutoSize = true;
            slot->setVisible(false);
        }
        recordInto(*slot, picPaint);
        UndoNewest = UndoCurrent;
        if (UndoOldest == UndoCurrent)
            UndoOldest = stepForward(UndoOldest);  // the ring wrapped onto the oldest snapshot
        IsDirty = FlagTrue;
        item(QStringLiteral("mnuUndo"))->setEnabled(true);
        item(QStringLiteral("mnuRedo"))->setEnabled(false);
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::mnuUndo_Click()
{
    try {
        SetZoomView(0, 0, FlagTrue);
        if (picSelect.Visible()) {
            DropSelection();
            picPaintView->setFocus();
        } else {
            picPaint_DblClick();
        }
        UndoCurrent = stepBack(UndoCurrent);
        restoreFrom(picPaint, *picBuffer[size_t(UndoCurrent)]);
        if (UndoCurrent == UndoOldest)
            item(QStringLiteral("mnuUndo"))->setEnabled(false);
        item(QStringLiteral("mnuRedo"))->setEnabled(true);
        AdjustPaintResizeBox();
        Form_Resize();
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::mnuRedo_Click()
{
    try {
        SetZoomView(0, 0, FlagTrue);
        if (picSelect.Visible()) {
            picSelect.setVisible(false);  // discarded, not dropped
            for (const char *name : {"mnuCut", "mnuCopy", "mnuDelete", "mnuCrop"})
                item(QString::fromLatin1(name))->setEnabled(false);
        }
        UndoCurrent = stepForward(UndoCurrent);
        restoreFrom(picPaint, *picBuffer[size_t(UndoCurrent)]);
        item(QStringLiteral("mnuUndo"))->setEnabled(true);
        if (UndoCurrent == UndoNewest)
            item(QStringLiteral("mnuRedo"))->setEnabled(false);
        picPaint_DblClick();
        AdjustPaintResizeBox();
        Form_Resize();
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

}  // namespace pinxel
