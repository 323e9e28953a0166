#include "editor/EditorScript.h"

#include "control/FileMenuShown.h"
#include "editor/frmPaint.h"
#include "imaging/mdlEffect.h"
#include "pinxel/Screen.h"
#include "platform/PictureFiles.h"
#include "view/CanvasTextBox.h"
#include "view/CurveHandle.h"
#include "view/StatusBar.h"
#include "view/TwipsPlacement.h"

#include <QAbstractButton>
#include <QAction>
#include <QFileInfo>
#include <QFrame>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

namespace pinxel {

namespace {

double number(const QStringList &args, int i, const QString &line)
{
    bool ok = false;
    const double value = args.value(i).toDouble(&ok);
    if (!ok || !std::isfinite(value))
        throw ScriptError(QStringLiteral("'%1': argument %2 is not a number").arg(line).arg(i + 1).toStdString());
    return value;
}

// A whole number from lowest to highest, or a script error that says so.
int wholeNumber(const QStringList &args, int i, const QString &line, qint64 lowest, qint64 highest)
{
    const double value = number(args, i, line);
    if (value != std::floor(value) || value < double(lowest) || value > double(highest))
        throw ScriptError(QStringLiteral("'%1': argument %2 is not a whole number from %3 to %4")
                              .arg(line)
                              .arg(i + 1)
                              .arg(lowest)
                              .arg(highest)
                              .toStdString());
    return int(value);
}

// A colour component as the colour dialog takes it: beyond 0 to 255 it is capped.
int component(const QStringList &args, int i, const QString &line)
{
    return int(std::clamp(number(args, i, line), -1.0, 256.0));
}

void expectArgs(const QStringList &args, int count, const QString &line)
{
    if (args.size() != count)
        throw ScriptError(
            QStringLiteral("'%1': expected %2 arguments, got %3").arg(line).arg(count).arg(args.size()).toStdString());
}

QJsonObject scrollBarState(const QScrollBar *bar)
{
    const QVariant max = bar->property("Max");  // as computed, also when negative
    return QJsonObject{{QStringLiteral("value"), bar->value()},
                       {QStringLiteral("max"), max.isValid() ? max.toInt() : bar->maximum()},
                       {QStringLiteral("visible"), bar->isVisibleTo(bar->parentWidget())}};
}

// Whether an item is enabled as the editor set it: Qt also reports a hidden
// item as disabled, so a hidden one is shown for a moment, unnoticed, to read it.
bool itemEnabled(QAction *action)
{
    if (action->isVisible())
        return action->isEnabled();
    const QSignalBlocker quiet(action);
    action->setVisible(true);
    const bool enabled = action->isEnabled();
    action->setVisible(false);
    return enabled;
}

QString colorText(Color c) { return QStringLiteral("%1 %2 %3").arg(colorRed(c)).arg(colorGreen(c)).arg(colorBlue(c)); }

}  // namespace

EditorScript::EditorScript(ScriptedHostServices &services, bool fileMenu, Sink sink)
    : m_services(services), m_sink(std::move(sink))
{
    HostServices::setCurrent(&services);
    setTwipsPerPixelOverride(15.0);
    FileMenuShown = toFlag(fileMenu);
    // As the control's Dabbler opens it: caption, size, File menu, fresh history.
    frmPaint &w = frmPaint::instance();
    w.setWindowTitle(QStringLiteral("Limnery"));
    w.setWidth(10000);
    w.setHeight(10000);
    w.menu(QStringLiteral("mnuFile"))->menuAction()->setVisible(fileMenu);
    w.ClearImageBuffer();
    w.Form_Resize();
    flushMessages();
}

EditorScript::~EditorScript()
{
    if (frmPaint::exists()) {
        frmPaint &w = frmPaint::instance();
        w.IsDirty = FlagFalse;  // the script is over: close without a question
        w.close();
    }
    HostServices::setCurrent(nullptr);
    setTwipsPerPixelOverride(0.0);
}

frmPaint &EditorScript::window() const { return frmPaint::instance(); }

void EditorScript::flushMessages()
{
    const auto &shown = m_services.shown();
    m_reported = std::min(m_reported, shown.size());  // the record may have been cleared
    for (; m_reported < shown.size(); ++m_reported) {
        const ShownDialog &dialog = shown[m_reported];
        if (dialog.kind != DialogKind::MessageBox)
            continue;
        QString text = dialog.text;
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\\n")).replace(QLatin1Char('\n'), QStringLiteral("\\n"));
        m_sink(QStringLiteral("message %1 %2").arg(dialog.style).arg(text));
    }
}

void EditorScript::run(const QString &rawLine)
{
    const QString line = rawLine.trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
        return;
    struct Flush {
        EditorScript *script;
        ~Flush() { script->flushMessages(); }
    } flush{this};

    QStringList words = line.split(QRegularExpression(QStringLiteral("\\s+")));
    const QString head = words.takeFirst();
    if (head == QLatin1String("state")) {
        m_sink(stateJson());  // also after the window closed
        return;
    }
    frmPaint &w = window();  // touching a closed window creates it anew

    if (head == QLatin1String("answer")) {
        answer(words);
    } else if (head == QLatin1String("load")) {
        if (words.isEmpty())
            throw ScriptError("load: a path is needed");
        w.picPaint.setPicture(HostServices::current().LoadPicture(line.section(QLatin1Char(' '), 1).trimmed()));
        w.toolBox.forgetAll();
        w.selection().discard();
        w.ClearImageBuffer();
        w.AdjustPaintResizeBox();
        w.Form_Resize();
    } else if (head == QLatin1String("canvas")) {
        expectArgs(words, 2, line);
        const int width = wholeNumber(words, 0, line, 1, MaxPictureSide);
        const int height = wholeNumber(words, 1, line, 1, MaxPictureSide);
        if (qint64(width) * height > MaxPicturePixels)
            throw ScriptError(
                QStringLiteral("'%1': more than %2 pixels").arg(line).arg(MaxPicturePixels).toStdString());
        w.picPaint.setPixelSize(width, height);
        w.AdjustPaintResizeBox();
        w.Form_Resize();
    } else if (head == QLatin1String("save")) {
        if (words.isEmpty())
            throw ScriptError("save: a path is needed");
        const QString path = line.section(QLatin1Char(' '), 1).trimmed();
        if (path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
            saveImageFile(w.composedPicture(), path, "png");
        } else {
            HostServices::current().SavePicture(w.composedPicture(), path);
        }
    } else if (head == QLatin1String("screenshot")) {
        // The whole window as a user would see it, rendered offscreen.
        if (words.isEmpty())
            throw ScriptError("screenshot: a path is needed");
        const QString path = line.section(QLatin1Char(' '), 1).trimmed();
        w.setAttribute(Qt::WA_DontShowOnScreen, !w.isVisible());
        w.show();
        const QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
        saveImageFile(w.grab().toImage(), path, format.isEmpty() ? "png" : format.constData());
    } else {
        static const QRegularExpression event(
            QStringLiteral("^([A-Za-z][A-Za-z0-9]*)(?:\\((\\d+)\\))?\\.([A-Za-z]+)$"));
        const QRegularExpressionMatch match = event.match(head);
        if (!match.hasMatch())
            throw ScriptError(QStringLiteral("'%1': not a command or ELEMENT.EVENT").arg(line).toStdString());
        bool fits = true;
        const int index = match.captured(2).isEmpty() ? -1 : match.captured(2).toInt(&fits);
        if (!fits)
            throw ScriptError(QStringLiteral("'%1': the index does not fit").arg(line).toStdString());
        raiseEvent(match.captured(1), index, match.captured(3), words);
    }
}

void EditorScript::answer(const QStringList &words)
{
    if (words.isEmpty())
        throw ScriptError("answer: which dialog?");
    const QString kind = words.front();
    const QStringList rest = words.mid(1);
    const bool cancel = rest.size() == 1 && (rest.front() == QLatin1String("cancel"));
    const auto bad = [&] {
        return ScriptError(("answer " + words.join(QLatin1Char(' '))).toStdString() + ": cannot read it");
    };
    if (kind == QLatin1String("msgbox")) {
        static const std::map<QString, int> answers = {{QStringLiteral("yes"), AnswerYes},
                                                       {QStringLiteral("no"), AnswerNo},
                                                       {QStringLiteral("cancel"), AnswerCancel},
                                                       {QStringLiteral("ok"), AnswerOk}};
        const auto found = answers.find(rest.value(0));
        if (rest.size() != 1 || found == answers.end())
            throw bad();
        m_services.answerMsgBox(found->second);
    } else if (kind == QLatin1String("open") || kind == QLatin1String("save")) {
        if (rest.isEmpty())
            throw bad();
        const QString path = rest.join(QLatin1Char(' '));
        if (kind == QLatin1String("open"))
            cancel ? m_services.cancelOpen() : m_services.answerOpen(path);
        else
            cancel ? m_services.cancelSave() : m_services.answerSave(path);
    } else if (kind == QLatin1String("print")) {
        bool ok = false;
        const int copies = rest.value(0).toInt(&ok);
        if (cancel)
            m_services.cancelPrinter();
        else if (rest.size() == 1 && ok && copies > 0)
            m_services.answerPrinter(copies);
        else
            throw bad();
    } else if (kind == QLatin1String("color")) {
        if (cancel) {
            m_services.cancelColor();
            return;
        }
        if (rest.size() != 3)
            throw bad();
        m_services.answerColor(
            composeColor(component(rest, 0, kind), component(rest, 1, kind), component(rest, 2, kind)));
    } else if (kind == QLatin1String("font")) {
        if (cancel) {
            m_services.cancelFont();
            return;
        }
        // The face may have several words: the size is the first number.
        int sizeAt = 1;
        while (sizeAt < rest.size()) {
            bool isNumber = false;
            rest[sizeAt].toDouble(&isNumber);
            if (isNumber)
                break;
            ++sizeAt;
        }
        const int colorAt = int(rest.size()) - 3;
        if (sizeAt >= colorAt)
            throw bad();
        FontAnswer font;
        font.name = rest.mid(0, sizeAt).join(QLatin1Char(' '));
        font.size = number(rest, sizeAt, kind);
        if (font.size <= 0)
            throw bad();
        for (int i = sizeAt + 1; i < colorAt; ++i) {
            const QString flag = rest[i];
            if (flag == QLatin1String("bold"))
                font.bold = true;
            else if (flag == QLatin1String("italic"))
                font.italic = true;
            else if (flag == QLatin1String("underline"))
                font.underline = true;
            else if (flag == QLatin1String("strikethrough"))
                font.strikethru = true;
            else
                throw bad();
        }
        font.color = composeColor(component(rest, colorAt, kind), component(rest, colorAt + 1, kind),
                                  component(rest, colorAt + 2, kind));
        m_services.answerFont(font);
    } else if (kind == QLatin1String("popup")) {
        if (rest.size() == 1 && rest.front() == QLatin1String("dismiss")) {
            m_services.dismissPopupMenu();
        } else {
            bool ok = false;
            const int index = rest.value(0).toInt(&ok);
            if (rest.size() != 1 || !ok)
                throw bad();
            m_services.answerPopupMenu(index);
        }
    } else {
        throw ScriptError(("answer " + kind).toStdString() + ": unknown dialog");
    }
}

void EditorScript::raiseEvent(const QString &element, int index, const QString &event, const QStringList &args)
{
    frmPaint &w = window();
    const QString name = (index >= 0 ? ElementEvents::indexed(element, index) : element) + QLatin1Char('.') + event;
    const QString line = (name + QLatin1Char(' ') + args.join(QLatin1Char(' '))).trimmed();
    const auto unknown = [&] { return ScriptError(("'" + line + "': unknown element or event").toStdString()); };

    if (element.startsWith(QLatin1String("mnu"))) {
        // Every item can be clicked, also those whose command does nothing
        // yet; but only when a user could reach it.
        const QString item = name.section(QLatin1Char('.'), 0, 0);
        if (event != QLatin1String("Click") || !w.item(item))
            throw unknown();
        if (!w.reachable(item)) {
            m_sink(QStringLiteral("refused: ") + item);
            return;
        }
        expectArgs(args, 0, line);
        w.clickMenuItem(item);
        return;
    }
    const ElementEvents::Event *found = w.events().find(name);
    if (!found)
        throw unknown();
    expectArgs(args, found->argCount, line);
    ElementEvents::Args values;
    // Handlers take their arguments as the 32-bit numbers of the events.
    for (int i = 0; i < args.size(); ++i) {
        const double value = number(args, i, line);
        if (!(value > -2147483649.0 && value < 2147483648.0))
            throw ScriptError(
                QStringLiteral("'%1': argument %2 does not fit in 32 bits").arg(line).arg(i + 1).toStdString());
        values.push_back(value);
    }
    found->run(values);
}

namespace {

// The state line's fields, in order: the editor state under its names, then
// what a user sees of the window.
using StateField = std::pair<const char *, QJsonValue (*)(const frmPaint &)>;
#define PINXEL_STATE(name)                                                                                             \
    StateField                                                                                                         \
    {                                                                                                                  \
#name, [](const frmPaint &w) { return QJsonValue(w.name); }                                                    \
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
     [](const frmPaint &w) {
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
    {"ZoomFactor", [](const frmPaint &w) { return QJsonValue(double(w.ZoomFactor)); }},
    {"ResizeFactorX", [](const frmPaint &) { return QJsonValue(double(ResizeFactorX)); }},
    {"ResizeFactorY", [](const frmPaint &) { return QJsonValue(double(ResizeFactorY)); }},
    PINXEL_STATE(CurrentFileName),
    {"canvas",
     [](const frmPaint &w) {
         const PictureSurface &c = w.picPaint;
         return QJsonValue(QJsonObject{{QStringLiteral("width"), c.pixelWidth()},
                                       {QStringLiteral("height"), c.pixelHeight()},
                                       {QStringLiteral("left"), c.Left()},
                                       {QStringLiteral("top"), c.Top()},
                                       {QStringLiteral("widthTwips"), c.Width()},
                                       {QStringLiteral("heightTwips"), c.Height()}});
     }},
    {"caption", [](const frmPaint &w) { return QJsonValue(w.windowTitle()); }},
    {"foreColor", [](const frmPaint &w) { return QJsonValue(colorText(w.foregroundColor())); }},
    {"fillColor", [](const frmPaint &w) { return QJsonValue(colorText(w.fillColor())); }},
    {"dialogColor", [](const frmPaint &w) { return QJsonValue(colorText(w.cdlColor.Color)); }},
    // The tool palette as a user sees it: the pressed button, the panels
    // shown and where their highlights are (twips in the panel).
    {"tools",
     [](const frmPaint &w) {
         int pressed = -1;
         for (size_t i = 0; i < w.optTools.size(); ++i)
             if (w.optTools[i]->isChecked())
                 pressed = int(i);
         return QJsonValue(QJsonObject{{QStringLiteral("pressed"), pressed},
                                       {QStringLiteral("fraOptDot"), w.fraOptDot->isVisibleTo(w.fraTools)},
                                       {QStringLiteral("fraBrush"), w.fraBrush->isVisibleTo(w.fraTools)},
                                       {QStringLiteral("fraOptFill"), w.fraOptFill->isVisibleTo(w.fraTools)},
                                       {QStringLiteral("lblDot"), twipsCorner(w.lblDot)},
                                       {QStringLiteral("lblBrush"), twipsCorner(w.lblBrush)},
                                       {QStringLiteral("lblFill"), twipsCorner(w.lblFill)},
                                       {QStringLiteral("penWidth"), w.picPaint.DrawWidth}});
     }},
    {"menus",
     [](const frmPaint &w) {
         QJsonObject menus;
         for (const auto &[name, action] : w.items()) {
             if (action->isSeparator())
                 continue;
             menus[name] = QJsonObject{{QStringLiteral("enabled"), itemEnabled(action)},
                                       {QStringLiteral("checked"), action->isChecked()},
                                       {QStringLiteral("visible"), action->isVisible()}};
         }
         return QJsonValue(menus);
     }},
    {"status",
     [](const frmPaint &w) {
         return QJsonValue(QJsonArray{w.sta->panelText(1), w.sta->panelText(2), w.sta->panelText(3)});
     }},
    {"picSelect",
     [](const frmPaint &w) {
         const PictureSurface &s = w.picSelect;
         return QJsonValue(QJsonObject{{QStringLiteral("visible"), s.Visible()},
                                       {QStringLiteral("left"), s.Left()},
                                       {QStringLiteral("top"), s.Top()},
                                       {QStringLiteral("width"), s.pixelWidth()},
                                       {QStringLiteral("height"), s.pixelHeight()}});
     }},
    {"picClipboard",
     [](const frmPaint &w) {
         const PictureSurface &c = w.picClipboard;
         return QJsonValue(
             QJsonObject{{QStringLiteral("width"), c.pixelWidth()},
                         {QStringLiteral("height"), c.pixelHeight()},
                         {QStringLiteral("holdsPicture"), w.item(QStringLiteral("mnuPaste"))->isEnabled()}});
     }},
    // The elements on the canvas, in canvas pixels, and the canvas font the text is stamped in.
    {"txtText",
     [](const frmPaint &w) {
         const CanvasTextBox &box = *w.txtText;
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
     [](const frmPaint &w) {
         QJsonArray handles;
         for (const CurveHandle *handle : w.imgBezier)
             handles.append(QJsonObject{{QStringLiteral("visible"), handle->isShown()},
                                        {QStringLiteral("left"), handle->place().left()},
                                        {QStringLiteral("top"), handle->place().top()}});
         return QJsonValue(handles);
     }},
    {"font",
     [](const frmPaint &w) {
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
     [](const frmPaint &w) {
         const PictureSurface &z = w.picZoom;
         return QJsonValue(QJsonObject{{QStringLiteral("width"), z.pixelWidth()},
                                       {QStringLiteral("height"), z.pixelHeight()},
                                       {QStringLiteral("widthTwips"), z.Width()},
                                       {QStringLiteral("heightTwips"), z.Height()}});
     }},
    {"pointer", [](const frmPaint &w) { return QJsonValue(w.canvasPointerFile); }},
    {"hscPaint", [](const frmPaint &w) { return QJsonValue(scrollBarState(w.hscPaint)); }},
    {"vscPaint", [](const frmPaint &w) { return QJsonValue(scrollBarState(w.vscPaint)); }},
    {"window",
     [](const frmPaint &w) {
         return QJsonValue(QJsonObject{{QStringLiteral("width"), w.Width()},
                                       {QStringLiteral("height"), w.Height()},
                                       {QStringLiteral("scaleHeight"), w.ScaleHeight()}});
     }},
};
#undef PINXEL_STATE

}  // namespace

QString EditorScript::stateJson() const
{
    if (!frmPaint::exists())
        return QStringLiteral("{\"closed\":true}");
    const frmPaint &w = window();
    QJsonObject state;
    for (const auto &[name, read] : StateFields)
        state[QString::fromLatin1(name)] = read(w);
    return QString::fromUtf8(QJsonDocument(state).toJson(QJsonDocument::Compact));
}

}  // namespace pinxel
