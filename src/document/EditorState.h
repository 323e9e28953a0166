#pragma once
// The editor window's shared variables, under their own names: every part of
// the editor reads and writes them here. Flags are 16-bit, true = -1.

#include "pinxel/Numeric.h"

#include <QPoint>
#include <QString>

#include <cstdint>
#include <vector>

namespace pinxel {

struct EditorState {
    Flag IsDragging = FlagFalse;         // a hand pan, curve handle or resize handle drag
    Flag IsDrawing = FlagFalse;          // the left button is held on the canvas
    Flag PolygonActive = FlagFalse;      // a polygon has its first vertex
    Flag SelectionUnmoved = FlagFalse;   // the floating selection still covers its source
    Flag SelectionDragging = FlagFalse;  // the left button is held on the floating selection
    Flag IsDirty = FlagFalse;            // changed since created, opened or saved
    Flag CanvasResized = FlagFalse;      // the canvas changed size during a handle drag
    std::int32_t DragOriginX = 0;
    std::int32_t DragOriginY = 0;
    std::int32_t StartX = 0;
    std::int32_t StartY = 0;
    std::int32_t EndX = 0;
    std::int32_t EndY = 0;
    std::vector<QPoint> PolygonPoints = std::vector<QPoint>(1);  // lower bound 0
    std::int32_t FilterBrushFilter = 2;
    std::int32_t CurrentTool = 4;  // the Pencil
    std::int32_t BrushIndex = 0;
    std::int16_t UndoCurrent = 0;
    std::int16_t UndoNewest = 0;
    std::int16_t UndoOldest = 0;
    std::int16_t DotIndex = 0;
    std::int16_t LineDrawStyle = 0;
    std::int32_t FillOption = 0;
    std::int16_t ShapeFillStyle = 0;
    float ZoomFactor = 1.0f;
    QString CurrentFileName;
};

}  // namespace pinxel
