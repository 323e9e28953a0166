// A long random session with the real window, driven by Qt events from a
// seeded generator, that checks itself after every step: Undo gives back the
// picture before a step and Redo the one after it, a finished figure leaves
// no preview behind, an open figure never reaches the picture that leaves the
// editor, a rubber-band shape is the figure its press and release alone draw,
// and the session's recording replays to the same state and picture.
//
//   PINXEL_RANDOM_EVENTS  steps (20000)       PINXEL_RANDOM_SEED  the generator's seed
//   PINXEL_RANDOM_KEEP    a folder that keeps the recording of a failed run

#include "editor/StateLine.h"
#include "model/MenuTable.h"
#include "pinxel/Screen.h"
#include "tools/ToolTable.h"
#include "view/CanvasTextBox.h"
#include "view/CanvasViewport.h"
#include "view/CurveHandle.h"

#include "support/EditorFixture.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QWheelEvent>

#include <functional>
#include <optional>
#include <random>

namespace pinxel::test {
namespace {

constexpr int CanvasWidth = 96, CanvasHeight = 72;
// Each session is recorded and replayed on its own, so a violation's
// reproducer stays short.
constexpr int SessionSteps = 5000;
// Commands that enlarge the picture stop short of this, so that every step stays cheap.
constexpr int MaxPixels = 4 * CanvasWidth * CanvasHeight;

long long fromEnvironment(const char *name, long long fallback)
{
    const QByteArray value = qgetenv(name);
    bool ok = false;
    const long long number = value.toLongLong(&ok);
    return ok ? number : fallback;
}

bool isRubberBandShape(int tool)
{
    return tool == ToolLine || tool == ToolArrow || tool == ToolRectangle || tool == ToolEllipse
           || tool == ToolRoundedRectangle;
}

class RandomSession : public EditorFixture {
protected:
    std::mt19937 rng;
    std::uint32_t seed = 0;
    int step = 0;
    QString described;  // the step being run, for the failure message
    QString recording;
    bool failed = false;
    QString ringMismatch;  // what the undo history found during the step
    // After each step: how long the recording was, the picture's checksum and the step.
    struct Mark {
        qint64 bytes;
        QString checksum;
        int step;
        QString described;
    };
    std::vector<Mark> marks;
    int undone = 0, redrawn = 0, replayed = 0;  // what the checks covered, for the summary

    // The widget a mouse button is held on, with what the press was.
    struct Held {
        QWidget *widget = nullptr;
        Qt::MouseButton button = Qt::NoButton;
        Qt::KeyboardModifiers modifiers;
        QPoint at;  // canvas pixels where it went down (on the canvas)
        int tool = 0;
    };
    std::optional<Held> held;
    std::optional<Held> releasedShape;  // the drag a step ended, for the figure's own check

    // The picture when the editor last stood idle, and the undo position then.
    QImage idlePicture;
    int idleUndo = 0;

    // --- Random numbers.
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }
    bool chance(int percent) { return between(1, 100) <= percent; }
    Qt::KeyboardModifiers anyModifiers()
    {
        Qt::KeyboardModifiers m;
        if (chance(15))
            m |= Qt::ShiftModifier;
        if (chance(10))
            m |= Qt::ControlModifier;
        return m;
    }
    QPoint anyCanvasPoint()
    {
        const QSize size = w().model().picPaint.Image().size();
        return QPoint(between(-4, size.width() + 3), between(-4, size.height() + 3));
    }

    // --- The user's hand.
    QPoint onCanvas(QPoint pixel) { return pixel + QPoint(1, 1) * w().model().picPaint.borderPixels(); }
    // A canvas pixel in the coordinates of a widget over or beside the canvas.
    QPoint canvasToWidget(QWidget *widget, QPoint pixel)
    {
        return widget->mapFromGlobal(w().picPaintView->mapToGlobal(onCanvas(pixel)));
    }
    static void mouse(QWidget *widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons,
                      Qt::KeyboardModifiers modifiers)
    {
        QMouseEvent event(type, at, widget->mapToGlobal(at), button, buttons, modifiers);
        QCoreApplication::sendEvent(widget, &event);
    }
    static void click(QWidget *widget, QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        mouse(widget, QEvent::MouseButtonPress, at, button, button, {});
        mouse(widget, QEvent::MouseButtonRelease, at, button, Qt::NoButton, {});
    }
    void press(QWidget *widget, QPoint local, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pixel)
    {
        held = Held{widget, button, modifiers, pixel, w().model().CurrentTool};
        mouse(widget, QEvent::MouseButtonPress, local, button, button, modifiers);
    }
    void trigger(const QString &item) { w().action(item)->trigger(); }
    static QString buttonName(Qt::MouseButton b)
    {
        return b == Qt::LeftButton ? QStringLiteral("1") : QStringLiteral("2");
    }
    QString withTool() { return QStringLiteral(" with tool %1").arg(w().model().CurrentTool); }

    // --- What the editor shows.
    EditorModel &m() { return w().model(); }
    bool curveShown() { return m().curveHandle(0).isShown(); }
    bool textShown() { return m().textBox().isShown(); }
    bool idle()
    {
        const EditorModel &s = m();
        return !held && !isSet(s.IsDrawing) && !isSet(s.IsDragging) && !isSet(s.PolygonActive)
               && !isSet(s.SelectionDragging) && !m().selection().shown() && !curveShown() && !textShown();
    }
    bool small() { return m().picPaint.Image().width() * m().picPaint.Image().height() <= MaxPixels; }

    // --- The answers a command's dialogs need, queued before it runs.
    QString pictureToOpen() { return path(chance(50) ? QStringLiteral("open-a.bmp") : QStringLiteral("open-b.bmp")); }
    Color anyColor() { return composeColor(between(0, 255), between(0, 255), between(0, 255)); }
    void queueAnswersFor(const QString &item)
    {
        const bool asksToSave = m().IsDirty == FlagTrue && m().fileMenuShown();
        if (item == QLatin1String("mnuNew") && asksToSave)
            host.answerMsgBox(AnswerNo);
        if (item == QLatin1String("mnuOpen")) {
            if (asksToSave)
                host.answerMsgBox(AnswerNo);
            chance(80) ? host.answerOpen(pictureToOpen()) : host.cancelOpen();
        }
        if (item == QLatin1String("mnuSaveAs") || (item == QLatin1String("mnuSave") && m().CurrentFileName.isEmpty()))
            chance(80) ? host.answerSave(path(QStringLiteral("saved.bmp"))) : host.cancelSave();
        if (item == QLatin1String("mnuPrint"))
            chance(80) ? host.answerPrinter(1) : host.cancelPrinter();
        if (item == QLatin1String("mnuForegroundColor") || item == QLatin1String("mnuFillColor"))
            chance(85) ? host.answerColor(anyColor()) : host.cancelColor();
        if (item == QLatin1String("mnuFont")) {
            FontAnswer font;
            font.size = between(6, 16);
            font.bold = chance(30);
            font.italic = chance(20);
            chance(85) ? host.answerFont(font) : host.cancelFont();
        }
    }
    // The menu items a user can pick: every item of the bar but Exit (it
    // ends the session); the enlarging ones only while the picture is small.
    std::vector<QString> menuItems()
    {
        std::vector<QString> items;
        for (const MenuRow &row : menuRows()) {
            if (row.kind != MenuRow::Item || row.name == QLatin1String("mnuExit")
                || row.parent == QLatin1String("mnuTFilter"))
                continue;
            const bool enlarges = row.name.startsWith(QLatin1String("mnuResize1"))
                                  || row.name == QLatin1String("mnuResize200")
                                  || row.name.startsWith(QLatin1String("mnuRotate"));
            if (m().reachable(row.name) && (!enlarges || small()))
                items.push_back(row.name);
        }
        return items;
    }

    // --- The actions, one row each: its weight, when a user could do it,
    // and what it does, returning the step's description.
    struct Action {
        const char *kind;
        int weight;
        std::function<bool()> possible;
        std::function<QString()> run;
    };
    std::vector<Action> actions()
    {
        frmPaint &e = w();
        const auto free = [this] { return !held; };
        return {
            {"canvas press", 14, free,
             [&, this] {
                 const QPoint at = anyCanvasPoint();
                 const Qt::MouseButton button = chance(80) ? Qt::LeftButton : Qt::RightButton;
                 const Qt::KeyboardModifiers modifiers = anyModifiers();
                 const QString text = QStringLiteral("press %1 at (%2,%3) mod %4 on picPaint")
                                          .arg(buttonName(button))
                                          .arg(at.x())
                                          .arg(at.y())
                                          .arg(int(modifiers))
                                      + withTool();
                 press(e.picPaintView, onCanvas(at), button, modifiers, at);
                 return text;
             }},
            {"move", 24, [] { return true; },
             [&, this] {
                 const QPoint at = anyCanvasPoint();
                 QWidget *widget = held ? held->widget : e.picPaintView;
                 const QPoint local = canvasToWidget(widget, at);
                 mouse(widget, QEvent::MouseMove, local, Qt::NoButton, held ? held->button : Qt::NoButton,
                       held ? held->modifiers : Qt::KeyboardModifiers());
                 return QStringLiteral("move to (%1,%2) on %3").arg(at.x()).arg(at.y()).arg(widget->objectName())
                        + withTool();
             }},
            {"release", 12, [this] { return bool(held); },
             [&, this] {
                 const QPoint at = chance(70) ? anyCanvasPoint() : held->at;
                 const Held was = *held;
                 held.reset();
                 mouse(was.widget, QEvent::MouseButtonRelease, canvasToWidget(was.widget, at), was.button, Qt::NoButton,
                       was.modifiers);
                 if (was.widget == e.picPaintView && was.button == Qt::LeftButton && isRubberBandShape(was.tool)
                     && m().CurrentTool == was.tool) {
                     releasedShape = was;
                     releasedShape->at = at;  // the release's point; the press's is kept below
                     releasedShape->widget = nullptr;
                     pressedAt = was.at;
                 }
                 return QStringLiteral("release %1 at (%2,%3) on %4")
                            .arg(buttonName(was.button))
                            .arg(at.x())
                            .arg(at.y())
                            .arg(was.widget->objectName())
                        + withTool();
             }},
            {"canvas double-click", 2, free,
             [&, this] {
                 const QPoint at = anyCanvasPoint();
                 QTest::mouseDClick(e.picPaintView, Qt::LeftButton, {}, onCanvas(at));
                 return QStringLiteral("double-click at (%1,%2) on picPaint").arg(at.x()).arg(at.y()) + withTool();
             }},
            {"selection press", 5, [&, this] { return !held && m().selection().shown(); },
             [&, this] {
                 const QSize size = e.picSelectView->size();
                 const QPoint local(between(0, size.width() - 1), between(0, size.height() - 1));
                 const QPoint pixel = local + e.picSelectView->mapTo(e.picPaintView, QPoint()) - onCanvas(QPoint());
                 const Qt::KeyboardModifiers modifiers = chance(25) ? Qt::ControlModifier : Qt::NoModifier;
                 press(e.picSelectView, local, Qt::LeftButton, modifiers, pixel);
                 return QStringLiteral("press 1 at (%1,%2) mod %3 on picSelect")
                     .arg(local.x())
                     .arg(local.y())
                     .arg(int(modifiers));
             }},
            {"curve handle press", 5, [&, this] { return !held && curveShown(); },
             [&, this] {
                 const int i = between(0, 3);
                 QWidget *handle = e.imgBezier[size_t(i)];
                 const QPoint local(between(0, handle->width() - 1), between(0, handle->height() - 1));
                 press(handle, local, Qt::LeftButton, {}, handle->mapTo(e.picPaintView, local));
                 return QStringLiteral("press 1 on imgBezier(%1)").arg(i);
             }},
            // Only from an idle editor: a resize under an open figure or a
            // floating selection changes the picture beneath them, which the
            // open-figure check below does not model.
            {"resize handle press", 5, [&, this] { return idle() && small() && e.picPaintResize[0]->isVisible(); },
             [&, this] {
                 const int i = between(0, 2);
                 QWidget *handle = e.picPaintResize[size_t(i)];
                 press(handle, QPoint(1, 1), Qt::LeftButton, {}, QPoint());
                 return QStringLiteral("press 1 on picPaintResize(%1)").arg(i);
             }},
            {"tool button", 8, free,
             [&, this] {
                 const int tool = between(0, ToolCount - 1);
                 if (tool == ToolFilterBrush)
                     chance(85) ? host.answerPopupMenu(between(0, 6)) : host.dismissPopupMenu();
                 QTest::mouseClick(e.optTools[size_t(tool)], Qt::LeftButton);
                 return QStringLiteral("click optTools(%1)").arg(tool);
             }},
            {"palette swatch", 4, free,
             [&, this] {
                 const int i = between(0, EditorModel::PaletteSize - 1);
                 const Qt::MouseButton button = chance(60) ? Qt::LeftButton : Qt::RightButton;
                 click(e.lblColor[size_t(i)], QPoint(3, 3), button);
                 return QStringLiteral("press %1 on lblColor(%2)").arg(buttonName(button)).arg(i);
             }},
            {"colour dialog", 1, free,
             [&, this] {
                 QLabel *swatch = chance(50) ? e.lblForeColor : e.lblFillColor;
                 chance(85) ? host.answerColor(anyColor()) : host.cancelColor();
                 QTest::mouseDClick(swatch, Qt::LeftButton, {}, QPoint(3, 3));
                 return QStringLiteral("double-click %1").arg(swatch->objectName());
             }},
            {"width panel", 3, [&, this] { return !held && e.fraOptDot->isVisible(); },
             [&, this] {
                 const QPoint at(between(0, e.fraOptDot->width() - 1), between(0, e.fraOptDot->height() - 1));
                 click(e.fraOptDot, at);
                 return QStringLiteral("press 1 at (%1,%2) on fraOptDot").arg(at.x()).arg(at.y());
             }},
            {"brush panel", 2, [&, this] { return !held && e.fraBrush->isVisible(); },
             [&, this] {
                 const int i = between(0, 9);
                 click(e.imgBrush[size_t(i)], QPoint(2, 2));
                 return QStringLiteral("press 1 on imgBrush(%1)").arg(i);
             }},
            {"fill panel", 2, [&, this] { return !held && e.fraOptFill->isVisible(); },
             [&, this] {
                 const QPoint at(between(0, e.fraOptFill->width() - 1), between(0, e.fraOptFill->height() - 1));
                 click(e.fraOptFill, at);
                 return QStringLiteral("press 1 at (%1,%2) on fraOptFill").arg(at.x()).arg(at.y());
             }},
            {"menu item", 9, free,
             [&, this] {
                 const std::vector<QString> items = menuItems();
                 const QString item = items[size_t(between(0, int(items.size()) - 1))];
                 queueAnswersFor(item);
                 trigger(item);
                 return QStringLiteral("menu %1").arg(item) + withTool();
             }},
            {"text key", 8, [this] { return textShown(); },
             [&, this] {
                 static const Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Left,   Qt::Key_Right,  Qt::Key_Home,
                                                Qt::Key_End,       Qt::Key_Delete, Qt::Key_Return, Qt::Key_Escape};
                 QWidget *box = e.txtText;
                 if (chance(70)) {
                     const char letter = char(between(' ', '~'));
                     QTest::keyClick(box, letter);
                     return QStringLiteral("type '%1' into txtText").arg(QLatin1Char(letter));
                 }
                 const Qt::Key key = keys[between(0, int(std::size(keys)) - 1)];
                 const Qt::KeyboardModifiers modifiers = chance(20) ? Qt::ShiftModifier : Qt::NoModifier;
                 QTest::keyClick(box, key, modifiers);
                 return QStringLiteral("key %1 mod %2 into txtText").arg(int(key)).arg(int(modifiers));
             }},
            {"canvas key", 2, free,
             [&, this] {
                 const Qt::Key key = chance(70) ? Qt::Key_Return : Qt::Key_Escape;
                 QTest::keyClick(e.picPaintView, key);
                 return QStringLiteral("key %1 on picPaint").arg(int(key)) + withTool();
             }},
            {"wheel", 2, free,
             [&, this] {
                 const QPoint at = canvasToWidget(e.canvasViewport, anyCanvasPoint());
                 const int delta = chance(50) ? 120 : -120;
                 const Qt::KeyboardModifiers modifiers = anyModifiers();
                 QWheelEvent wheel(at, e.canvasViewport->mapToGlobal(at), {}, QPoint(0, delta), Qt::NoButton, modifiers,
                                   Qt::NoScrollPhase, false);
                 QCoreApplication::sendEvent(e.canvasViewport, &wheel);
                 return QStringLiteral("wheel %1 mod %2 at (%3,%4)")
                            .arg(delta)
                            .arg(int(modifiers))
                            .arg(at.x())
                            .arg(at.y())
                        + withTool();
             }},
        };
    }
    QPoint pressedAt;  // where the drag of releasedShape went down

    // --- Checks. The first violation fails the test with the step that made it.
    bool violated(const QString &what)
    {
        if (failed)
            return false;
        failed = true;
        const QString kept = keepRecording();
        ADD_FAILURE() << "random session, seed " << seed << ", step " << step << ": " << described.toStdString()
                      << "\n  " << what.toStdString() << "\n  recording: " << kept.toStdString();
        return false;
    }
    // How two pictures differ, for a message; empty when they are equal.
    static QString difference(const QImage &expected, const QImage &actual)
    {
        if (expected == actual)
            return QString();
        if (expected.size() != actual.size())
            return QStringLiteral("%1x%2 against %3x%4 pixels")
                .arg(expected.width())
                .arg(expected.height())
                .arg(actual.width())
                .arg(actual.height());
        if (expected.format() != actual.format())
            return QStringLiteral("format %1 against %2, %3 pixels differ")
                .arg(int(expected.format()))
                .arg(int(actual.format()))
                .arg(countDifferences(expected, actual));
        return QStringLiteral("%1 pixels differ").arg(countDifferences(expected, actual));
    }
    bool expectPicture(const QImage &expected, const QString &what)
    {
        const QString differs = difference(expected, m().composedPicture());
        return differs.isEmpty() || violated(what + QStringLiteral(": ") + differs);
    }
    // Runs an item as part of the session (so the recording holds it); false when it is disabled.
    bool choose(const char *item)
    {
        if (!m().reachable(QString::fromLatin1(item)))
            return false;
        trigger(QString::fromLatin1(item));
        return true;
    }
    int undoSteps(int from)
    {
        const EditorState &s = m();
        return s.UndoNewest == s.UndoCurrent ? (s.UndoCurrent - from + 11) % 11 : 0;
    }

    bool checkStep(const QString &kind)
    {
        EditorModel &model = m();
        const bool nowIdle = idle();
        // Undo and Redo move in the history; New and Open start a new one,
        // whose first step may land where a step after the last would.
        const bool undoOrRedo = kind == QLatin1String("menu item")
                                && (described.startsWith(QLatin1String("menu mnuUndo"))
                                    || described.startsWith(QLatin1String("menu mnuRedo"))
                                    || described.startsWith(QLatin1String("menu mnuNew"))
                                    || described.startsWith(QLatin1String("menu mnuOpen")));
        // An open figure (a rubber band, a polygon, a curve, a text box) is
        // no part of the picture that leaves the editor: until it is drawn,
        // that picture is the undo history's current one.
        const UndoRing::Snapshot *current = model.undoRing().picBuffer[size_t(model.UndoCurrent)].get();
        const bool figureOpen = !model.selection().shown()
                                && (isSet(model.PolygonActive) || curveShown() || textShown()
                                    || (held && held->widget == w().picPaintView
                                        && (isRubberBandShape(held->tool) || held->tool == ToolSelectArea)));
        if (figureOpen && !(current && current->picture.samePixels(model.composedPicture())))
            return violated(QStringLiteral("an open figure shows in the picture that leaves the editor"));
        if (!nowIdle) {
            keepAsBefore(current);
            return true;
        }

        // Nothing pending: the canvas shows exactly that picture, no preview left on it.
        const QImage after = model.composedPicture();
        if (const QString differs = difference(after, model.picPaint.Image());
            model.ZoomFactor == 1.0f && !differs.isEmpty())
            return violated(QStringLiteral("the canvas shows what the picture does not have, a preview left behind: ")
                            + differs);
        // ... and the undo history's current step holds it.
        if (!current || !current->picture.samePixels(after))
            return violated(QStringLiteral("the picture changed without an undo step"));

        const int added = undoSteps(idleUndo);
        if (!undoOrRedo && added == 1 && model.item(QStringLiteral("mnuUndo")).enabled) {
            ++undone;
            choose("mnuUndo");
            if (!expectPicture(idlePicture, QStringLiteral("Undo did not give back the picture before the step")))
                return false;
            if (!choose("mnuRedo"))
                return violated(QStringLiteral("Redo is not offered after Undo"));
            if (!expectPicture(after, QStringLiteral("Redo did not give back the picture after the step")))
                return false;
            // The figure its press and release alone draw: no rubber band took part in it.
            if (releasedShape && idle()) {
                ++redrawn;
                choose("mnuUndo");
                frmPaint &e = w();
                mouse(e.picPaintView, QEvent::MouseButtonPress, onCanvas(pressedAt), Qt::LeftButton, Qt::LeftButton,
                      releasedShape->modifiers);
                mouse(e.picPaintView, QEvent::MouseButtonRelease, onCanvas(releasedShape->at), Qt::LeftButton,
                      Qt::NoButton, releasedShape->modifiers);
                if (!expectPicture(after, QStringLiteral("the figure differs from the one its press and release "
                                                         "alone draw: its rubber band left a trace")))
                    return false;
            }
        }
        keepAsBefore(model.undoRing().picBuffer[size_t(model.UndoCurrent)].get());
        return true;
    }
    // The picture the next undo step must give back: the one the history
    // holds now, unless a stroke or a floating selection is on its way.
    void keepAsBefore(const UndoRing::Snapshot *current)
    {
        const QImage picture = m().composedPicture();
        if (m().selection().shown() || !current || !current->picture.samePixels(picture))
            return;
        idlePicture = picture;
        idleUndo = m().UndoCurrent;
    }

    // --- Sessions and their recordings.
    // The pictures Open offers; Save writes into an opened one, so each
    // session and its replay start from them afresh.
    void writePicturesToOpen()
    {
        host.SavePicture(randomImage(60, 40, seed), path(QStringLiteral("open-a.bmp")));
        host.SavePicture(randomImage(CanvasWidth, CanvasHeight, seed + 1), path(QStringLiteral("open-b.bmp")));
    }
    void startSession(int number)
    {
        writePicturesToOpen();
        host.forgetAll();
        marks.clear();
        host.SetClipboardPicture(QImage());  // a replay starts with nothing on the desktop's clipboard
        recording = path(QStringLiteral("session-%1.pxs").arg(number));
        script().recordInto(recording);  // opens a new window after the last session's
        for (const char *line : {"filemenu shown", "caption Limnery", "frmPaint.Resize 10000 10000", "canvas 96 72"})
            run(QString::fromLatin1(line));
        frmPaint &e = w();
        choose("mnuNew");  // a white picture and a fresh history
        e.show();
        QApplication::setActiveWindow(&e);
        held.reset();
        idlePicture = e.model().composedPicture();
        idleUndo = e.model().UndoCurrent;
    }
    // Closes the window (recording its state and picture) and replays the
    // recording in a fresh editor: it must end as the window did.
    void endSessionAndReplay()
    {
        if (frmPaint::exists()) {
            if (held)
                mouse(held->widget, QEvent::MouseButtonRelease, QPoint(1, 1), held->button, Qt::NoButton, {});
            held.reset();
            if (m().IsDirty == FlagTrue)
                host.answerMsgBox(AnswerNo);
            w().close();
            host.forgetAll();
            settle();
        }
        QFile file(recording);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QStringList said;
        writePicturesToOpen();
        {
            // Services of its own, as a fresh process has: their random source
            // (Diffuse draws from it) and clipboard start as the session's did.
            ScriptedHostServices services;
            EditorScript replay(services, true, [&said](const QString &line) { said << line; });
            replay.setFolder(folder());
            qint64 read = 0;
            auto mark = marks.begin();
            for (const QByteArray &line : lines) {
                read += line.size() + 1;
                try {
                    replay.run(QString::fromUtf8(line));
                } catch (const std::exception &error) {
                    violated(QStringLiteral("the recording does not replay: %1: %2")
                                 .arg(QString::fromUtf8(line), QString::fromLocal8Bit(error.what())));
                    break;
                }
                // The first step whose picture the replay does not reach names the culprit.
                while (mark != marks.end() && mark->bytes < read)
                    ++mark;
                if (mark != marks.end() && mark->bytes == read
                    && pictureChecksum(replay.finalPicture()) != mark->checksum) {
                    step = mark->step;
                    described = mark->described;
                    violated(QStringLiteral("the replay of the recording's line %1 (%2) ends with another picture")
                                 .arg(&line - lines.data() + 1)
                                 .arg(QString::fromUtf8(line)));
                    break;
                }
            }
            if (!failed && (replay.differences() != 0 || !said.contains(QStringLiteral("checksum: as recorded"))))
                violated(QStringLiteral("the recording replays unlike the session:\n    ")
                         + said.filter(QStringLiteral("differs")).join(QStringLiteral("\n    ")));
        }
        ++replayed;
        settle();
        host.forgetAll();
        HostServices::setCurrent(&host);  // the replay gave them back as it closed
        setTwipsPerPixelOverride(15.0);
    }
    // Keeps the session's recording (with the pictures it names) where the
    // run's caller asked, and returns where it is.
    QString keepRecording()
    {
        const QString keep = QString::fromLocal8Bit(qgetenv("PINXEL_RANDOM_KEEP"));
        if (keep.isEmpty() || !QDir().mkpath(keep))
            return recording + QStringLiteral(" (gone after the test: set PINXEL_RANDOM_KEEP to keep it)");
        const QString kept = QDir(keep).filePath(QStringLiteral("random-%1-step-%2").arg(seed).arg(step));
        QDir().mkpath(kept);
        for (const QString &name : QDir(folder()).entryList(QDir::Files))
            QFile::copy(path(name), QDir(kept).filePath(name));
        return QDir(kept).filePath(QFileInfo(recording).fileName())
               + QStringLiteral("  (it opens pictures from %1; copies lie beside it)").arg(folder());
    }
};

TEST_F(RandomSession, EveryStepUndoesRedoesLeavesNoPreviewAndReplays)
{
    const long long events = fromEnvironment("PINXEL_RANDOM_EVENTS", 20000);
    seed = std::uint32_t(fromEnvironment("PINXEL_RANDOM_SEED", 20240611));
    rng.seed(seed);
    std::printf("random session: seed %u, %lld events\n", seed, events);
    HostServices::setCurrent(&host);
    // A snapshot unlike its picture fails here, at the step that took it.
    UndoRing::setMismatchCheck([this](const QString &what) { ringMismatch = what; });

    open(true);
    int session = 0;
    for (step = 1; step <= events && !failed; ++step) {
        if ((step - 1) % SessionSteps == 0) {
            if (session > 0)
                endSessionAndReplay();
            if (failed)
                break;
            startSession(++session);
        }
        const std::vector<Action> table = actions();
        std::vector<int> weights;
        for (const Action &action : table)
            weights.push_back(action.possible() ? action.weight : 0);
        const Action &action = table[size_t(std::discrete_distribution<int>(weights.begin(), weights.end())(rng))];
        for (int i = 0; i < 2; ++i)
            host.answerClock(std::uint32_t(between(0, 0xFFFFFF)));  // the air brush's seeds
        releasedShape.reset();
        described = QStringLiteral("(%1)").arg(QString::fromLatin1(action.kind));
        try {
            described = action.run();
            host.forgetAll();
            if (ringMismatch.isEmpty())
                checkStep(QString::fromLatin1(action.kind));
            if (!ringMismatch.isEmpty() && !failed)
                violated(ringMismatch);
            marks.push_back({QFileInfo(recording).size(), pictureChecksum(m().composedPicture()), step, described});
        } catch (const std::exception &error) {
            violated(QStringLiteral("it threw: %1").arg(QString::fromLocal8Bit(error.what())));
        }
        host.forgetAll();
    }
    if (!failed)
        endSessionAndReplay();
    std::printf("random session: %d steps undone and redone, %d figures drawn again, %d recordings replayed\n", undone,
                redrawn, replayed);
    HostServices::setCurrent(nullptr);
    UndoRing::setMismatchCheck([](const QString &what) { ADD_FAILURE() << what.toStdString(); });
}

}  // namespace
}  // namespace pinxel::test
