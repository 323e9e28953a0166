// The state line: the editor model's state under its names and what a user
// sees of it, and of the window that shows it (its size, its scroll bars,
// where its panels' highlights are), as one JSON object; and the picture's
// checksum. A replay compares both with what its recording wrote.

#include "editor/StateLine.h"

#include "editor/frmPaint.h"
#include "tools/CanvasElements.h"
#include "tools/ToolTable.h"
#include "view/TwipsPlacement.h"

#include <QCryptographicHash>
#include <QFrame>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QScrollBar>

namespace pinxel {

namespace {

QJsonObject scrollBarState(const QScrollBar *bar)
{
    const QVariant max = bar->property("Max");  // as computed, also when negative
    return QJsonObject{{QStringLiteral("value"), bar->value()},
                       {QStringLiteral("max"), max.isValid() ? max.toInt() : bar->maximum()},
                       {QStringLiteral("visible"), bar->isVisibleTo(bar->parentWidget())}};
}

QString colorText(Color c) { return QStringLiteral("%1 %2 %3").arg(colorRed(c)).arg(colorGreen(c)).arg(colorBlue(c)); }

// The state line's fields, in order: the editor state under its names, then
// what a user sees of the window.
using StateField = std::pair<const char *, QJsonValue (*)(const EditorModel &)>;
#define PINXEL_STATE(name)                                                                                             \
    StateField                                                                                                         \
    {                                                                                                                  \
#name, [](const EditorModel &w) { return QJsonValue(w.name); }                                                 \
    }

QJsonValue twipsCorner(const QWidget *widget)
{
    const QRectF placed = twipsGeometry(widget);
    return QJsonArray{placed.left(), placed.top()};
}

const StateField StateFields[] = {
    PINXEL_STATE(IsDragging),
    PINXEL_STATE(IsDrawing),
    PINXEL_STATE(PolygonActive),
    PINXEL_STATE(SelectionUnmoved),
    PINXEL_STATE(SelectionDragging),
    PINXEL_STATE(IsDirty),
    PINXEL_STATE(CanvasResized),
    PINXEL_STATE(DragOriginX),
    PINXEL_STATE(DragOriginY),
    PINXEL_STATE(StartX),
    PINXEL_STATE(StartY),
    PINXEL_STATE(EndX),
    PINXEL_STATE(EndY),
    {"PolygonPoints",
     [](const EditorModel &w) {
         QJsonArray points;
         for (const QPoint &p : w.PolygonPoints)
             points.append(QJsonArray{p.x(), p.y()});
         return QJsonValue(points);
     }},
    PINXEL_STATE(FilterBrushFilter),
    PINXEL_STATE(CurrentTool),
    PINXEL_STATE(BrushIndex),
    PINXEL_STATE(UndoCurrent),
    PINXEL_STATE(UndoNewest),
    PINXEL_STATE(UndoOldest),
    PINXEL_STATE(DotIndex),
    PINXEL_STATE(LineDrawStyle),
    PINXEL_STATE(FillOption),
    PINXEL_STATE(ShapeFillStyle),
    {"ZoomFactor", [](const EditorModel &w) { return QJsonValue(double(w.ZoomFactor)); }},
    {"ResizeFactorX", [](const EditorModel &w) { return QJsonValue(double(w.ResizeFactorX)); }},
    {"ResizeFactorY", [](const EditorModel &w) { return QJsonValue(double(w.ResizeFactorY)); }},
    PINXEL_STATE(CurrentFileName),
    {"canvas",
     [](const EditorModel &w) {
         const PictureSurface &c = w.picPaint;
         return QJsonValue(QJsonObject{{QStringLiteral("width"), c.pixelWidth()},
                                       {QStringLiteral("height"), c.pixelHeight()},
                                       {QStringLiteral("left"), c.Left()},
                                       {QStringLiteral("top"), c.Top()},
                                       {QStringLiteral("widthTwips"), c.Width()},
                                       {QStringLiteral("heightTwips"), c.Height()}});
     }},
    {"caption", [](const EditorModel &w) { return QJsonValue(w.caption()); }},
    {"foreColor", [](const EditorModel &w) { return QJsonValue(colorText(w.foregroundColor())); }},
    {"fillColor", [](const EditorModel &w) { return QJsonValue(colorText(w.fillColor())); }},
    {"dialogColor", [](const EditorModel &w) { return QJsonValue(colorText(w.cdlColor.Color)); }},
    // The tool palette as a user sees it: the pressed button, the panels
    // shown (the window adds where their highlights are).
    {"tools",
     [](const EditorModel &w) {
         return QJsonValue(QJsonObject{{QStringLiteral("pressed"), w.pressedTool()},
                                       {QStringLiteral("fraOptDot"), bool(w.shownPanels() & PanelWidth)},
                                       {QStringLiteral("fraBrush"), bool(w.shownPanels() & PanelBrush)},
                                       {QStringLiteral("fraOptFill"), bool(w.shownPanels() & PanelFill)},
                                       {QStringLiteral("penWidth"), w.picPaint.DrawWidth}});
     }},
    {"menus",
     [](const EditorModel &w) {
         QJsonObject menus;
         for (const auto &[name, state] : w.items())
             // Paste as the session made it: what other programs put on the
             // desktop's clipboard meanwhile is no part of a replay.
             menus[name] = QJsonObject{
                 {QStringLiteral("enabled"), name == QLatin1String("mnuPaste") ? w.holdsOwnCopy() : state.enabled},
                 {QStringLiteral("checked"), state.checked},
                 {QStringLiteral("visible"), state.visible}};
         return QJsonValue(menus);
     }},
    {"status",
     [](const EditorModel &w) {
         return QJsonValue(QJsonArray{w.statusText(1), w.statusText(2), w.statusText(3)});
     }},
    {"picSelect",
     [](const EditorModel &w) {
         const PictureSurface &s = w.picSelect;
         return QJsonValue(QJsonObject{{QStringLiteral("visible"), s.Visible()},
                                       {QStringLiteral("left"), s.Left()},
                                       {QStringLiteral("top"), s.Top()},
                                       {QStringLiteral("width"), s.pixelWidth()},
                                       {QStringLiteral("height"), s.pixelHeight()}});
     }},
    {"picClipboard",
     [](const EditorModel &w) {
         const PictureSurface &c = w.picClipboard;
         return QJsonValue(QJsonObject{{QStringLiteral("width"), c.pixelWidth()},
                                       {QStringLiteral("height"), c.pixelHeight()},
                                       {QStringLiteral("holdsPicture"), w.holdsOwnCopy()}});
     }},
    // The elements on the canvas, in canvas pixels, and the canvas font the text is stamped in.
    {"txtText",
     [](const EditorModel &w) {
         const TextBox &box = w.textBox();
         const QRect place = box.place();
         return QJsonValue(QJsonObject{{QStringLiteral("visible"), box.isShown()},
                                       {QStringLiteral("left"), place.left()},
                                       {QStringLiteral("top"), place.top()},
                                       {QStringLiteral("width"), place.width()},
                                       {QStringLiteral("height"), place.height()},
                                       {QStringLiteral("text"), box.text()},
                                       {QStringLiteral("tag"), box.tag()}});
     }},
    {"imgBezier",
     [](const EditorModel &w) {
         QJsonArray handles;
         for (int i = 0; i < 4; ++i) {
             const CanvasElement &handle = w.curveHandle(i);
             handles.append(QJsonObject{{QStringLiteral("visible"), handle.isShown()},
                                        {QStringLiteral("left"), handle.place().left()},
                                        {QStringLiteral("top"), handle.place().top()}});
         }
         return QJsonValue(handles);
     }},
    {"font",
     [](const EditorModel &w) {
         const QFont &font = w.picPaint.Font;
         return QJsonValue(QJsonObject{{QStringLiteral("name"), font.family()},
                                       {QStringLiteral("size"), font.pointSizeF()},
                                       {QStringLiteral("bold"), font.bold()},
                                       {QStringLiteral("italic"), font.italic()},
                                       {QStringLiteral("underline"), font.underline()},
                                       {QStringLiteral("strikethrough"), font.strikeOut()}});
     }},
    // The zoom store, and the canvas's pointer file ("" for the arrow).
    {"picZoom",
     [](const EditorModel &w) {
         const PictureSurface &z = w.picZoom;
         return QJsonValue(QJsonObject{{QStringLiteral("width"), z.pixelWidth()},
                                       {QStringLiteral("height"), z.pixelHeight()},
                                       {QStringLiteral("widthTwips"), z.Width()},
                                       {QStringLiteral("heightTwips"), z.Height()}});
     }},
    {"pointer", [](const EditorModel &w) { return QJsonValue(w.canvasPointerFile()); }},
};

// What the window that shows the model adds: its size, its scroll bars and
// where the panels' highlights are (twips in the panel).
void addWindowFields(QJsonObject &state, const frmPaint &w)
{
    state[QStringLiteral("hscPaint")] = scrollBarState(w.hscPaint);
    state[QStringLiteral("vscPaint")] = scrollBarState(w.vscPaint);
    state[QStringLiteral("window")] = QJsonObject{{QStringLiteral("width"), w.Width()},
                                                  {QStringLiteral("height"), w.Height()},
                                                  {QStringLiteral("scaleHeight"), w.ScaleHeight()}};
    QJsonObject tools = state.value(QStringLiteral("tools")).toObject();
    tools[QStringLiteral("lblDot")] = twipsCorner(w.lblDot);
    tools[QStringLiteral("lblBrush")] = twipsCorner(w.lblBrush);
    tools[QStringLiteral("lblFill")] = twipsCorner(w.lblFill);
    state[QStringLiteral("tools")] = tools;
}
#undef PINXEL_STATE

}  // namespace

QString editorStateJson(const EditorModel &model, const frmPaint *window)
{
    QJsonObject state;
    for (const auto &[name, read] : StateFields)
        state[QString::fromLatin1(name)] = read(model);
    if (window)
        addWindowFields(state, *window);
    return QString::fromUtf8(QJsonDocument(state).toJson(QJsonDocument::Compact));
}

QString editorStateJson(const frmPaint &window) { return editorStateJson(window.model(), &window); }

QString pictureChecksum(const QImage &picture)
{
    // The size and the colours only, as a saved file keeps them.
    QCryptographicHash hash(QCryptographicHash::Sha1);
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    hash.addData(QStringLiteral("%1x%2:").arg(rgb.width()).arg(rgb.height()).toLatin1());
    for (int y = 0; y < rgb.height(); ++y)
        hash.addData(QByteArrayView(reinterpret_cast<const char *>(rgb.constScanLine(y)), rgb.width() * 3));
    return QString::fromLatin1(hash.result().toHex());
}

QStringList stateDifferences(const QString &recorded, const QString &replayed)
{
    const QJsonObject was = QJsonDocument::fromJson(recorded.toUtf8()).object();
    const QJsonObject is = QJsonDocument::fromJson(replayed.toUtf8()).object();
    const auto text = [](const QJsonValue &value) {
        if (value.isObject())
            return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
        if (value.isArray())
            return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
        return value.isUndefined() ? QStringLiteral("(none)") : value.toVariant().toString();
    };
    QStringList differences;
    QStringList names = was.keys();
    for (const QString &name : is.keys())
        if (!was.contains(name))
            names << name;
    for (const QString &name : names)
        if (was.value(name) != is.value(name))
            differences
                << QStringLiteral("%1 recorded %2, replayed %3").arg(name, text(was.value(name)), text(is.value(name)));
    return differences;
}

}  // namespace pinxel
