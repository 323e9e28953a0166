#pragma once
// The icons of the eighteen tool buttons, drawn in a 16 x 16 design space and
// rendered at 1x and 2x, so that they are sharp on standard and high-density
// screens alike.

#include <QIcon>
#include <QPixmap>

namespace pinxel {

inline constexpr int ToolIconSize = 16;

// The icon of a tool index (0..17); an empty icon for any other index.
QIcon toolIcon(int tool);
// The icon drawn at one device pixel ratio.
QPixmap toolIconPixmap(int tool, qreal devicePixelRatio);

}  // namespace pinxel
