#include "view/ToolIcons.h"

#include "tools/ToolTable.h"

#include <QPainter>

namespace pinxel {

QPixmap toolIconPixmap(int tool, qreal devicePixelRatio)
{
    const int side = qRound(ToolIconSize * devicePixelRatio);
    QPixmap pixmap(side, side);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (const auto paint = toolRow(tool).paintIcon)
        paint(p);
    return pixmap;
}

QIcon toolIcon(int tool)
{
    if (tool < 0 || tool >= ToolCount)
        return QIcon();
    QIcon icon;
    icon.addPixmap(toolIconPixmap(tool, 1.0));
    icon.addPixmap(toolIconPixmap(tool, 2.0));
    return icon;
}

}  // namespace pinxel
