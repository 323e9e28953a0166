#include "pinxel/Screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace pinxel {

namespace {
double g_override = 0.0;

double fromScreen(bool horizontal)
{
    if (g_override > 0.0)
        return g_override;
    const QScreen *screen =
        qobject_cast<QGuiApplication *>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen() : nullptr;
    if (!screen)
        return 15.0;
    const double dpi = horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY();
    return dpi > 0.0 ? 1440.0 / dpi : 15.0;
}
}  // namespace

double twipsPerPixelX() { return fromScreen(true); }
double twipsPerPixelY() { return fromScreen(false); }
void setTwipsPerPixelOverride(double twipsPerPixel) { g_override = twipsPerPixel; }

}  // namespace pinxel
