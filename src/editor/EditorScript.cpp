#include "editor/EditorScript.h"

#include "control/FileMenuShown.h"
#include "editor/frmPaint.h"
#include "pinxel/Screen.h"
#include "platform/PictureFiles.h"
#include "tools/Polygon.h"
#include "view/StatusBar.h"
#include "view/TwipsPlacement.h"

#include <QAbstractButton>
#include <QAction>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalBlocker>

namespace pinxel {

namespace {

double number(const QStringList &args, int i, const QString &line)
{
    bool ok = false;
    const double value = args.value(i).toDouble(&ok);
    if (!ok)
        throw ScriptError(QStringLiteral("'%1': argument %2 is not a number").arg(line).arg(i + 1).toStdString());
    return value;
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
        Polygon::forget(w);
        w.ClearImageBuffer();
        w.AdjustPaintResizeBox();
        w.Form_Resize();
    } else if (head == QLatin1String("canvas")) {
        expectArgs(words, 2, line);
        w.picPaint.setPixelSize(int(number(words, 0, line)), int(number(words, 1, line)));
        w.AdjustPaintResizeBox();
        w.Form_Resize();
    } else if (head == QLatin1String("save")) {
        if (words.isEmpty())
            throw ScriptError("save: a path is needed");
        const QString path = line.section(QLatin1Char(' '), 1).trimmed();
        if (path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
            saveImageFile(w.picPaint.Image(), path, "png");
        } else {
            HostServices::current().SavePicture(w.picPaint.Image(), path);
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
        static const QRegularExpression event(QStringLiteral("^([A-Za-z][A-Za-z0-9]*)(?:\\((\\d+)\\))?\\.([A-Za-z]+)$"));
        const QRegularExpressionMatch match = event.match(head);
        if (!match.hasMatch())
            throw ScriptError(QStringLiteral("'%1': not a command or ELEMENT.EVENT").arg(line).toStdString());
        const int index = match.captured(2).isEmpty() ? -1 : match.captured(2).toInt();
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
    const auto bad = [&] { return ScriptError(("answer " + words.join(QLatin1Char(' '))).toStdString() + ": cannot read it"); };
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
        m_services.answerColor(composeColor(int(number(rest, 0, kind)), int(number(rest, 1, kind)), int(number(rest, 2, kind))));
    } else if (kind == QLatin1String("font")) {
        if (cancel) {
            m_services.cancelFont();
            return;
        }
        if (rest.size() < 5)
            throw bad();
        FontAnswer font;
        font.name = rest[0];
        font.size = number(rest, 1, kind);
        const int colorAt = int(rest.size()) - 3;
        for (int i = 2; i < colorAt; ++i) {
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
        font.color = composeColor(int(number(rest, colorAt, kind)), int(number(rest, colorAt + 1, kind)),
                                  int(number(rest, colorAt + 2, kind)));
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
    const QString line = QStringLiteral("%1%2.%3 %4")
                             .arg(element, index >= 0 ? QStringLiteral("(%1)").arg(index) : QString(), event,
                                  args.join(QLatin1Char(' ')))
                             .trimmed();
    const auto unknown = [&] { return ScriptError(("'" + line + "': unknown element or event").toStdString()); };
    const bool mouse = event == QLatin1String("MouseDown") || event == QLatin1String("MouseMove")
                       || event == QLatin1String("MouseUp");
    const auto mouseArgs = [&](auto &&handler) {
        expectArgs(args, 4, line);
        handler(int(number(args, 0, line)), int(number(args, 1, line)), number(args, 2, line), number(args, 3, line));
    };

    if (element.startsWith(QLatin1String("mnu"))) {
        const QString name = index >= 0 ? QStringLiteral("%1(%2)").arg(element).arg(index) : element;
        if (event != QLatin1String("Click") || !w.item(name))
            throw unknown();
        if (!w.reachable(name)) {
            m_sink(QStringLiteral("refused: ") + name);
            return;
        }
        w.clickMenuItem(name);
        return;
    }
    if (element == QLatin1String("picPaint") && index < 0) {
        if (event == QLatin1String("MouseDown"))
            mouseArgs([&](int b, int s, double x, double y) { w.picPaint_MouseDown(b, s, x, y); });
        else if (event == QLatin1String("MouseMove"))
            mouseArgs([&](int b, int s, double x, double y) { w.picPaint_MouseMove(b, s, x, y); });
        else if (event == QLatin1String("MouseUp"))
            mouseArgs([&](int b, int s, double x, double y) { w.picPaint_MouseUp(b, s, x, y); });
        else if (event == QLatin1String("DblClick") && args.isEmpty())
            w.picPaint_DblClick();
        else if (event == QLatin1String("KeyUp")) {
            expectArgs(args, 2, line);
            w.picPaint_KeyUp(int(number(args, 0, line)), int(number(args, 1, line)));
        } else
            throw unknown();
        return;
    }
    if (element == QLatin1String("picSelect") && index < 0 && mouse) {
        if (event == QLatin1String("MouseDown"))
            mouseArgs([&](int b, int s, double x, double y) { w.picSelect_MouseDown(b, s, x, y); });
        else if (event == QLatin1String("MouseMove"))
            mouseArgs([&](int b, int s, double x, double y) { w.picSelect_MouseMove(b, s, x, y); });
        else
            mouseArgs([&](int b, int s, double x, double y) { w.picSelect_MouseUp(b, s, x, y); });
        return;
    }
    if (element == QLatin1String("picPaintResize") && index >= 0 && index <= 2 && mouse) {
        if (event == QLatin1String("MouseDown"))
            mouseArgs([&](int b, int s, double x, double y) { w.picPaintResize_MouseDown(index, b, s, x, y); });
        else if (event == QLatin1String("MouseMove"))
            mouseArgs([&](int b, int s, double x, double y) { w.picPaintResize_MouseMove(index, b, s, x, y); });
        else
            mouseArgs([&](int b, int s, double x, double y) { w.picPaintResize_MouseUp(index, b, s, x, y); });
        return;
    }
    if (element == QLatin1String("optTools") && index >= 0 && index <= 17) {
        if (event == QLatin1String("MouseDown"))
            mouseArgs([&](int b, int s, double x, double y) { w.optTools_MouseDown(index, b, s, x, y); });
        else if (event == QLatin1String("Click") && args.isEmpty())
            w.optTools_Click(index);
        else
            throw unknown();
        return;
    }
    // The option panels, the palette and the two swatches.
    if (element == QLatin1String("fraOptDot") && index < 0 && event == QLatin1String("MouseDown")) {
        mouseArgs([&](int b, int s, double x, double y) { w.fraOptDot_MouseDown(b, s, x, y); });
        return;
    }
    if (element == QLatin1String("fraOptFill") && index < 0 && event == QLatin1String("MouseDown")) {
        mouseArgs([&](int b, int s, double x, double y) { w.fraOptFill_MouseDown(b, s, x, y); });
        return;
    }
    if (element == QLatin1String("imgBrush") && index >= 0 && index <= 9 && event == QLatin1String("MouseDown")) {
        mouseArgs([&](int b, int s, double x, double y) { w.imgBrush_MouseDown(index, b, s, x, y); });
        return;
    }
    if (element == QLatin1String("lblColor") && index >= 0 && index <= 25) {
        if (event == QLatin1String("MouseDown"))
            mouseArgs([&](int b, int s, double x, double y) { w.lblColor_MouseDown(index, b, s, x, y); });
        else if (event == QLatin1String("MouseMove"))
            mouseArgs([&](int b, int s, double x, double y) { w.lblColor_MouseMove(index, b, s, x, y); });
        else
            throw unknown();
        return;
    }
    if ((element == QLatin1String("lblForeColor") || element == QLatin1String("lblFillColor")) && index < 0) {
        const bool fore = element == QLatin1String("lblForeColor");
        if (event == QLatin1String("DblClick") && args.isEmpty()) {
            fore ? w.lblForeColor_DblClick() : w.lblFillColor_DblClick();
        } else if (event == QLatin1String("MouseMove")) {
            mouseArgs([&](int b, int s, double x, double y) {
                fore ? w.lblForeColor_MouseMove(b, s, x, y) : w.lblFillColor_MouseMove(b, s, x, y);
            });
        } else {
            throw unknown();
        }
        return;
    }
    if ((element == QLatin1String("hscPaint") || element == QLatin1String("vscPaint")) && index < 0
        && event == QLatin1String("Change")) {
        expectArgs(args, 1, line);
        QScrollBar *bar = element == QLatin1String("hscPaint") ? w.hscPaint : w.vscPaint;
        bar->setValue(int(number(args, 0, line)));  // its change event moves the canvas
        return;
    }
    if (element == QLatin1String("frmPaint") && index < 0) {
        if (event == QLatin1String("Resize")) {
            expectArgs(args, 2, line);
            w.setWidth(number(args, 0, line));
            w.setHeight(number(args, 1, line));
            w.Form_Resize();
        } else if (event == QLatin1String("Unload") && args.isEmpty()) {
            w.close();
        } else if (event == QLatin1String("Activate") && args.isEmpty()) {
            w.Form_Activate();
        } else {
            throw unknown();
        }
        return;
    }
    throw unknown();
}

QString EditorScript::stateJson() const
{
    if (!frmPaint::exists())
        return QStringLiteral("{\"closed\":true}");
    const frmPaint &w = window();
    QJsonObject state;
    state[QStringLiteral("IsDragging")] = w.IsDragging;
    state[QStringLiteral("IsDrawing")] = w.IsDrawing;
    state[QStringLiteral("PolygonActive")] = w.PolygonActive;
    state[QStringLiteral("SelectionUnmoved")] = w.SelectionUnmoved;
    state[QStringLiteral("SelectionDragging")] = w.SelectionDragging;
    state[QStringLiteral("IsDirty")] = w.IsDirty;
    state[QStringLiteral("CanvasResized")] = w.CanvasResized;
    state[QStringLiteral("DragOriginX")] = w.DragOriginX;
    state[QStringLiteral("DragOriginY")] = w.DragOriginY;
    state[QStringLiteral("StartX")] = w.StartX;
    state[QStringLiteral("StartY")] = w.StartY;
    state[QStringLiteral("EndX")] = w.EndX;
    state[QStringLiteral("EndY")] = w.EndY;
    QJsonArray points;
    for (const QPoint &p : w.PolygonPoints)
        points.append(QJsonArray{p.x(), p.y()});
    state[QStringLiteral("PolygonPoints")] = points;
    state[QStringLiteral("FilterBrushFilter")] = w.FilterBrushFilter;
    state[QStringLiteral("CurrentTool")] = w.CurrentTool;
    state[QStringLiteral("BrushIndex")] = w.BrushIndex;
    state[QStringLiteral("UndoCurrent")] = w.UndoCurrent;
    state[QStringLiteral("UndoNewest")] = w.UndoNewest;
    state[QStringLiteral("UndoOldest")] = w.UndoOldest;
    state[QStringLiteral("DotIndex")] = w.DotIndex;
    state[QStringLiteral("LineDrawStyle")] = w.LineDrawStyle;
    state[QStringLiteral("FillOption")] = w.FillOption;
    state[QStringLiteral("ShapeFillStyle")] = w.ShapeFillStyle;
    state[QStringLiteral("ZoomFactor")] = double(w.ZoomFactor);
    state[QStringLiteral("CurrentFileName")] = w.CurrentFileName;
    state[QStringLiteral("canvas")] = QJsonObject{
        {QStringLiteral("width"), w.picPaint.pixelWidth()},   {QStringLiteral("height"), w.picPaint.pixelHeight()},
        {QStringLiteral("left"), w.picPaint.Left()},          {QStringLiteral("top"), w.picPaint.Top()},
        {QStringLiteral("widthTwips"), w.picPaint.Width()},   {QStringLiteral("heightTwips"), w.picPaint.Height()}};
    state[QStringLiteral("caption")] = w.windowTitle();
    state[QStringLiteral("foreColor")] = colorText(w.foregroundColor());
    state[QStringLiteral("fillColor")] = colorText(w.fillColor());
    state[QStringLiteral("dialogColor")] = colorText(w.cdlColor.Color);
    // The tool palette as a user sees it: the pressed button, the panels shown
    // and where their highlights are (twips in the panel).
    int pressed = -1;
    for (size_t i = 0; i < w.optTools.size(); ++i)
        if (w.optTools[i]->isChecked())
            pressed = int(i);
    const auto twips = [](const QWidget *widget) {
        const QRectF placed = twipsGeometry(widget);
        return QJsonArray{placed.left(), placed.top()};
    };
    state[QStringLiteral("tools")] = QJsonObject{
        {QStringLiteral("pressed"), pressed},
        {QStringLiteral("fraOptDot"), w.fraOptDot->isVisibleTo(w.fraTools)},
        {QStringLiteral("fraBrush"), w.fraBrush->isVisibleTo(w.fraTools)},
        {QStringLiteral("fraOptFill"), w.fraOptFill->isVisibleTo(w.fraTools)},
        {QStringLiteral("lblDot"), twips(w.lblDot)},
        {QStringLiteral("lblBrush"), twips(w.lblBrush)},
        {QStringLiteral("lblFill"), twips(w.lblFill)},
        {QStringLiteral("penWidth"), w.picPaint.DrawWidth}};
    QJsonObject menus;
    for (const auto &[name, action] : w.items()) {
        if (action->isSeparator())
            continue;
        menus[name] = QJsonObject{{QStringLiteral("enabled"), itemEnabled(action)},
                                  {QStringLiteral("checked"), action->isChecked()},
                                  {QStringLiteral("visible"), action->isVisible()}};
    }
    state[QStringLiteral("menus")] = menus;
    state[QStringLiteral("status")] =
        QJsonArray{w.sta->panelText(1), w.sta->panelText(2), w.sta->panelText(3)};
    state[QStringLiteral("picSelect")] = QJsonObject{
        {QStringLiteral("visible"), w.picSelect.Visible()},  {QStringLiteral("left"), w.picSelect.Left()},
        {QStringLiteral("top"), w.picSelect.Top()},          {QStringLiteral("width"), w.picSelect.pixelWidth()},
        {QStringLiteral("height"), w.picSelect.pixelHeight()}};
    state[QStringLiteral("hscPaint")] = scrollBarState(w.hscPaint);
    state[QStringLiteral("vscPaint")] = scrollBarState(w.vscPaint);
    state[QStringLiteral("window")] = QJsonObject{{QStringLiteral("width"), w.Width()},
                                                  {QStringLiteral("height"), w.Height()},
                                                  {QStringLiteral("scaleHeight"), w.ScaleHeight()}};
    return QString::fromUtf8(QJsonDocument(state).toJson(QJsonDocument::Compact));
}

}  // namespace pinxel
