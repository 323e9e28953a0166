// The Effect menu's Resize, Flip and Rotate commands with their choices, the
// Filter menu's commands, and the filter brush's filter and pop-up. Every
// command goes through ApplyEffect or ApplyFilter, which change the floating
// selection while it shows, else the canvas, through the edit path (the undo
// step or the marquee around the change).

#include "model/EditorModel.h"

#include "document/mdlGeneral.h"
#include "imaging/mdlEffect.h"
#include "imaging/mdlFilter.h"
#include "model/MenuTable.h"

#include <algorithm>
#include <limits>

namespace pinxel {

namespace {

int clampToInt(std::int64_t value)
{
    return int(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

const QString ResizeItems[] = {QStringLiteral("mnuResizeBoth"), QStringLiteral("mnuResizeWidth"),
                               QStringLiteral("mnuResizeHeight")};

}  // namespace

// The effect module's variables are this editor's while its command runs.
void EditorModel::useEffectSettings() const
{
    pinxel::ResizeFactorX = ResizeFactorX;
    pinxel::ResizeFactorY = ResizeFactorY;
    pinxel::RotateAngle = RotateAngle;
    pinxel::RotateClockwise = toFlag(m_rotateClockwise);
}

void EditorModel::ApplyEffect(int kind, float factor, float angle)
{
    if (kind == EffectResize) {
        ResizeFactorX = m_resizeAxis != ResizeAxis::Height ? factor : 1.0f;
        ResizeFactorY = m_resizeAxis != ResizeAxis::Width ? factor : 1.0f;
    }
    if (kind == EffectRotate)
        RotateAngle = angle;
    HostServices &services = host();
    editPath.apply([&](PictureSurface &target) {
        // A refused resize changes nothing, silently; the step is still recorded.
        if (kind == EffectResize
            && EffectTooLarge(target.pixelWidth(), target.pixelHeight(), factor, services.TwipsPerPixelX(),
                              services.TwipsPerPixelY()))
            return;
        useEffectSettings();
        ApplyPictureEffect(kind, target, picImageEffect);
    });
}

void EditorModel::ApplyFilter(int filter, int x, int y)
{
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
}

void EditorModel::rotate180()
{
    ApplyEffect(EffectFlipHorizontal, 0.0f, 0.0f);
    ApplyEffect(EffectFlipVertical, 0.0f, 0.0f);
}

void EditorModel::chooseResizeAxis(ResizeAxis axis)
{
    m_resizeAxis = axis;
    checkOneOf({std::begin(ResizeItems), std::end(ResizeItems)}, ResizeItems[int(axis)]);
}

void EditorModel::chooseRotation(bool clockwise)
{
    m_rotateClockwise = clockwise;
    checkOneOf({QStringLiteral("mnuRotateClockwise"), QStringLiteral("mnuRotateAntiClockwise")},
               clockwise ? QStringLiteral("mnuRotateClockwise") : QStringLiteral("mnuRotateAntiClockwise"));
}

void EditorModel::chooseBrushFilter(int index)
{
    const QString chosen = QStringLiteral("mnuFilterTools(%1)").arg(index);
    if (!hasItem(chosen))
        throw Error(ErrSubscriptOutOfRange);
    for (const MenuRow &row : menuRows())
        if (row.parent == QLatin1String("mnuTFilter"))
            setItemChecked(row.name, row.name == chosen);
    FilterBrushFilter = index;
    focusCanvas();
}

void EditorModel::showFilterMenu()
{
    QStringList captions;
    std::vector<QString> names;
    int checked = -1;  // the current filter's item shows its check mark
    for (const MenuRow &row : menuRows()) {
        if (row.parent != QLatin1String("mnuTFilter") || !item(row.name).visible)
            continue;
        if (item(row.name).checked)
            checked = int(captions.size());
        captions << shownCaption(row);
        names.push_back(row.name);
    }
    const int chosen = host().PopupMenu(captions, checked);
    if (chosen >= 0 && size_t(chosen) < names.size())
        m_events.raise(names[size_t(chosen)] + QStringLiteral(".Click"));
}

}  // namespace pinxel
