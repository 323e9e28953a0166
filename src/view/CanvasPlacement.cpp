#include "view/CanvasPlacement.h"

#include "pinxel/PictureSurface.h"

#include <QWidget>

namespace pinxel {

CanvasPlacement::CanvasPlacement(QWidget &element, const PictureSurface &canvas)
    : m_element(element), m_canvas(canvas), m_place(element.geometry())
{
    QObject::connect(&canvas, &PictureSurface::geometryChanged, &element, [this] { apply(); });
}

void CanvasPlacement::setPlace(const QRect &pixels)
{
    m_place = pixels;
    apply();
}

void CanvasPlacement::apply()
{
    const int border = m_canvas.borderPixels();
    m_element.setGeometry(m_place.translated(border, border));
}

}  // namespace pinxel
