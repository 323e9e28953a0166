#pragma once
// Raises the pointer events of an element that has no events of its own (a
// label, a frame, an image) with the arguments of the editor's handlers:
// Button (1 left, 2 right, 4 middle; the buttons held for a move), Shift (1
// Shift, 2 Ctrl, 4 Alt) and X, Y in twips from the element's top-left corner.

#include <QObject>

class QWidget;

namespace pinxel {

class MouseRelay : public QObject {
    Q_OBJECT
public:
    // Watches the element; lives as its child. Moves are raised also with no
    // button held when tracking is on.
    explicit MouseRelay(QWidget *element, bool tracking = false);

signals:
    void MouseDown(int button, int shift, double x, double y);
    void MouseMove(int button, int shift, double x, double y);
    void MouseUp(int button, int shift, double x, double y);
    void DblClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

}  // namespace pinxel
