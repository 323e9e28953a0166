#pragma once
// Where the option panels' choices lie, in twips within each panel: the
// width panel's eight cells and the fill panel's three samples. The window
// places the panels' pictures by them; a press on a panel chooses by them.

#include <optional>

namespace pinxel::panels {

// The width panel fraOptDot: two columns by four rows.
inline constexpr double DotColumnLeft[] = {75, 325};
inline constexpr double DotRowTop = 150, DotCellSize = 250;

// The fill panel fraOptFill: each sample's press range from its top.
inline constexpr double FillPressFrom[] = {125, 450, 775};
inline constexpr double FillPressLength = 300;

// The cell 0..7 (pen width 1..8) under a press, if any.
inline std::optional<int> penWidthCellAt(double X, double Y)
{
    int column = -1;
    for (int c = 0; c < 2; ++c)
        if (X >= DotColumnLeft[c] && X < DotColumnLeft[c] + DotCellSize)
            column = c;
    const int row = Y >= DotRowTop ? int((Y - DotRowTop) / DotCellSize) : -1;
    if (column < 0 || row < 0 || row > 3)
        return std::nullopt;
    return 2 * row + column;
}

// The fill option 0..2 under a press; none in the gaps between the samples or outside them.
inline std::optional<int> fillOptionAt(double Y)
{
    for (int i = 0; i < 3; ++i)
        if (Y >= FillPressFrom[i] && Y < FillPressFrom[i] + FillPressLength)
            return i;
    return std::nullopt;
}

}  // namespace pinxel::panels
