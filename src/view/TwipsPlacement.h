#pragma once
// Elements are laid out in twips, as the window was designed, and placed in
// whole pixels of the screen.

#include <QRectF>

class QWidget;

namespace pinxel {

// Places an element at a rectangle in its container's twips, rounded to the
// nearest pixels; the rectangle is kept on the element as its "twips" property.
void placeInTwips(QWidget *widget, double left, double top, double width, double height);

// Where an element was placed in twips; from its pixels when it never was.
QRectF twipsGeometry(const QWidget *widget);

}  // namespace pinxel
