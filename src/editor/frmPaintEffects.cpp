// The Effect menu's Resize, Flip and Rotate commands, the Filter menu's
// commands, and the filter brush's filter. Every command goes through
// ApplyEffect or ApplyFilter, which change the floating selection while it
// shows, else the canvas, through the edit path (the undo step or the
// marquee around the change).

#include "editor/frmPaint.h"

#include "document/mdlGeneral.h"
#include "imaging/mdlEffect.h"
#include "imaging/mdlFilter.h"

#include <QAction>

#include <algorithm>
#include <limits>

namespace pinxel {

namespace {

int clampToInt(std::int64_t value)
{
    return int(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

void frmPaint::ApplyEffect(int kind, float factor, float angle)
{
    try {
        const auto checked = [this](const char *name) { return item(QString::fromLatin1(name))->isChecked(); };
        if (kind == EffectResize) {
            const bool both = checked("mnuResizeBoth");
            ResizeFactorX = both || checked("mnuResizeWidth") ? factor : 1.0f;
            ResizeFactorY = both || checked("mnuResizeHeight") ? factor : 1.0f;
        }
        if (kind == EffectRotate) {
            RotateAngle = angle;
            RotateClockwise = toFlag(checked("mnuRotateClockwise"));
        }
        HostServices &services = HostServices::current();
        editPath.apply([&](PictureSurface &target) {
            // A refused resize changes nothing, silently; the step is still recorded.
            if (kind == EffectResize
                && EffectTooLarge(target.pixelWidth(), target.pixelHeight(), factor, services.TwipsPerPixelX(),
                                  services.TwipsPerPixelY()))
                return;
            ApplyPictureEffect(kind, target, picImageEffect);
        });
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::ApplyFilter(int filter, int x, int y)
{
    try {
        const auto setReplaceColors = [&] {
            if (filter == FilterReplaceColors) {
                ReplaceColorFrom = foregroundColor();
                ReplaceColorTo = fillColor();
            }
        };
        if ((x == -1 && y == -1) || CurrentTool != ToolFilterBrush) {
            editPath.apply([&](PictureSurface &target) {
                setReplaceColors();
                int left = -1, top = -1, right = -1, bottom = -1;
                FilterPicture(filter, target, left, top, right, bottom);
            });
            return;
        }
        // The brush: the square of half size DotIndex on the canvas; the
        // stroke's release records the step. No finish action here: with the
        // brush current nothing is pending and no selection floats (choosing
        // the brush dropped it), and this runs at every pointer move.
        setReplaceColors();
        const std::int64_t d = DotIndex;
        if (x + d >= 0 && y + d >= 0) {
            int left = clampToInt(x - d), top = clampToInt(y - d);
            int right = clampToInt(x + d), bottom = clampToInt(y + d);
            FilterPicture(filter, picPaint, left, top, right, bottom);
        }
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::mnuRotate180_Click()
{
    ApplyEffect(EffectFlipHorizontal, 0.0f, 0.0f);
    ApplyEffect(EffectFlipVertical, 0.0f, 0.0f);
}

void frmPaint::mnuFilterTools_Click(int Index)
{
    try {
        for (int i = 0;; ++i) {
            QAction *action = item(QStringLiteral("mnuFilterTools(%1)").arg(i));
            if (!action)
                break;
            action->setChecked(false);
        }
        QAction *chosen = item(QStringLiteral("mnuFilterTools(%1)").arg(Index));
        if (!chosen)
            throw Error(ErrSubscriptOutOfRange);
        chosen->setChecked(true);
        FilterBrushFilter = Index;
        focusCanvas();
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::checkOneOf(std::initializer_list<const char *> group, const char *chosen)
{
    try {
        for (const char *name : group)
            item(QString::fromLatin1(name))->setChecked(false);
        item(QString::fromLatin1(chosen))->setChecked(true);
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

}  // namespace pinxel
