#pragma once
// Keeps an element that lies on the canvas at its place in canvas pixels:
// inside the canvas's border, also when the border changes.

#include <QRect>

class QWidget;

namespace pinxel {

class PictureSurface;

class CanvasPlacement {
public:
    // The element is a child of the canvas's view.
    CanvasPlacement(QWidget &element, const PictureSurface &canvas);

    QRect place() const { return m_place; }
    void setPlace(const QRect &pixels);

private:
    void apply();

    QWidget &m_element;
    const PictureSurface &m_canvas;
    QRect m_place;
};

}  // namespace pinxel
