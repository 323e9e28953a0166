// The element events the model handles, registered once under their names:
// the window connects its elements' signals to them, and scripts raise them
// by name. The events that are the window's own (its size and close, the
// scroll bars, the wheel) the window registers itself.

#include "model/EditorModel.h"

#include "model/MenuTable.h"

namespace pinxel {

void EditorModel::registerEvents()
{
    ElementEvents &e = m_events;
    using Args = ElementEvents::Args;
    const auto indexed = [](const char *array, int index, const char *event) {
        return ElementEvents::indexed(array, index, event);
    };

    // The menus and items: a click runs the row's command.
    for (const MenuRow &row : menuRows())
        if (row.click)
            e.add(row.name + QStringLiteral(".Click"), [this, click = row.click] { click(*this); });

    // The canvas and the floating selection on it.
    e.addMouse(QStringLiteral("picPaint.MouseDown"),
               [this](int b, int s, double x, double y) { canvasMouseDown(b, s, x, y); });
    e.addMouse(QStringLiteral("picPaint.MouseMove"),
               [this](int b, int s, double x, double y) { canvasMouseMove(b, s, x, y); });
    e.addMouse(QStringLiteral("picPaint.MouseUp"),
               [this](int b, int s, double x, double y) { canvasMouseUp(b, s, x, y); });
    e.add(QStringLiteral("picPaint.DblClick"), [this] { canvasDblClick(); });
    e.add(QStringLiteral("picPaint.KeyUp"), 2, [this](const Args &a) { canvasKeyUp(int(a[0]), int(a[1])); });
    e.addMouse(QStringLiteral("picSelect.MouseDown"),
               [this](int b, int s, double x, double y) { selectionMouseDown(b, s, x, y); });
    e.addMouse(QStringLiteral("picSelect.MouseMove"),
               [this](int b, int, double x, double y) { selectionMouseMove(b, x, y); });
    e.addMouse(QStringLiteral("picSelect.MouseUp"), [this](int b, int, double, double) { selectionMouseUp(b); });

    // The curve handles (X, Y in pixels within the handle) and the resize handles.
    for (int i = 0; i < 4; ++i) {
        e.addMouse(indexed("imgBezier", i, "MouseDown"),
                   [this, i](int b, int s, double x, double y) { curveHandleMouseDown(i, b, s, x, y); });
        e.addMouse(indexed("imgBezier", i, "MouseMove"),
                   [this, i](int b, int s, double x, double y) { curveHandleMouseMove(i, b, s, x, y); });
        e.addMouse(indexed("imgBezier", i, "MouseUp"),
                   [this, i](int b, int s, double x, double y) { curveHandleMouseUp(i, b, s, x, y); });
    }
    for (int i = 0; i < 3; ++i) {
        e.addMouse(indexed("picPaintResize", i, "MouseDown"),
                   [this](int, int, double x, double y) { beginResizeDrag(x, y); });
        e.addMouse(indexed("picPaintResize", i, "MouseMove"),
                   [this, i](int, int, double x, double y) { resizeDrag(i, x, y); });
        e.addMouse(indexed("picPaintResize", i, "MouseUp"), [this](int, int, double, double) { endResizeDrag(); });
    }

    // The text box: a key goes down (the handler, then the box moves its
    // cursor or deletes), types its character and comes up; a press or drag
    // in the box places its cursor and selection.
    e.add(QStringLiteral("txtText.KeyDown"), 2, [this](const Args &a) {
        textKeyDown(int(a[0]), int(a[1]));
        textBox().editKey(int(a[0]), int(a[1]));
    });
    e.add(QStringLiteral("txtText.KeyPress"), 1, [this](const Args &a) { textBox().typeCharacter(int(a[0])); });
    e.add(QStringLiteral("txtText.KeyUp"), 2, [this](const Args &a) { textKeyUp(int(a[0]), int(a[1])); });
    e.add(QStringLiteral("txtText.SelChange"), 2, [this](const Args &a) { textBox().select(int(a[0]), int(a[1])); });
    e.add(QStringLiteral("txtText.DblClick"), [this] { textDblClick(); });
    e.add(QStringLiteral("txtText.LostFocus"), [this] { textLostFocus(); });

    // The tool buttons: a press chooses the tool, the click sets it up.
    for (int i = 0; i < ToolCount; ++i) {
        e.addMouse(indexed("optTools", i, "MouseDown"), [this, i](int b, int, double, double) { pressTool(i, b); });
        e.add(indexed("optTools", i, "Click"), [this] { chooseTool(); });
    }

    // The option panels (X, Y in twips within the panel).
    e.addMouse(QStringLiteral("fraOptDot.MouseDown"),
               [this](int b, int, double x, double y) { pressPenWidthPanel(b, x, y); });
    e.addMouse(QStringLiteral("fraOptFill.MouseDown"), [this](int b, int, double, double y) { pressFillPanel(b, y); });
    for (int i = 0; i < 10; ++i)
        e.addMouse(indexed("imgBrush", i, "MouseDown"), [this, i](int, int, double, double) { chooseBrush(i); });

    // The palette and the two colours; moves are reported with no button held.
    for (int i = 0; i < PaletteSize; ++i) {
        e.addMouse(indexed("lblColor", i, "MouseDown"),
                   [this, i](int b, int, double, double) { pickPaletteColor(i, b); });
        e.addMouse(indexed("lblColor", i, "MouseMove"),
                   [this](int, int, double, double) { UpdateStatusBar(1, 0, 0, 0, FlagFalse); });
    }
    e.add(QStringLiteral("lblForeColor.DblClick"), [this] { chooseForegroundColor(); });
    e.addMouse(QStringLiteral("lblForeColor.MouseMove"),
               [this](int, int, double, double) { UpdateStatusBar(2, 0, 0, 0, FlagFalse); });
    e.add(QStringLiteral("lblFillColor.DblClick"), [this] { chooseFillColor(); });
    e.addMouse(QStringLiteral("lblFillColor.MouseMove"),
               [this](int, int, double, double) { UpdateStatusBar(3, 0, 0, 0, FlagFalse); });
}

}  // namespace pinxel
