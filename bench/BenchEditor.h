#pragma once
// The editor as the editor benchmarks drive it: opened as the control opens
// it on a 4000 x 3000 canvas, and what its canvas views repaint.

#include "editor/EditorScript.h"
#include "editor/frmPaint.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <benchmark/benchmark.h>

#include <memory>

namespace pinxel::bench {

inline constexpr int CanvasWidth = 4000;
inline constexpr int CanvasHeight = 3000;

// The editor, opened as the control opens it, with a large canvas and a clean history.
class Editor {
public:
    explicit Editor(int width = CanvasWidth, int height = CanvasHeight)
    {
        m_script = std::make_unique<EditorScript>(m_services, true, [](const QString &) {});
        m_script->run(QStringLiteral("canvas %1 %2").arg(width).arg(height));
        window().model().ClearImageBuffer();
    }
    ~Editor()
    {
        m_script.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the closed window's memory
    }
    frmPaint &window() { return m_script->window(); }
    EditorModel &model() { return m_script->window().model(); }
    // One line of the editor's script (a menu command: "mnuInvertColors.Click").
    void run(const QString &line) { m_script->run(line); }
    // Uses every slot of the undo ring once, so that what is measured reuses a slot.
    void fillUndoRing()
    {
        for (int i = 0; i < 11; ++i)
            model().undoRing().SetImageBuffer(model().picPaint);
    }

private:
    ScriptedHostServices m_services;
    std::unique_ptr<EditorScript> m_script;
};

// Chooses a tool as a click on its button does.
inline void chooseTool(frmPaint &w, int tool)
{
    w.optTools_MouseDown(tool, 1, 0, 0, 0);
    w.optTools_Click(tool);
}

// One pencil stroke of one move a benchmark iteration, raised through the
// event registry as the mouse raises it, back and forth across the canvas.
inline void timePencilMoves(benchmark::State &state, ElementEvents &events)
{
    int x = 100, step = 20;
    events.raise(QStringLiteral("picPaint.MouseDown"), {1, 0, double(x), 100});
    for (auto _ : state) {
        x += step;
        if (x > CanvasWidth - 100 || x < 100)
            step = -step;
        events.raise(QStringLiteral("picPaint.MouseMove"), {1, 0, double(x), x % 40 == 0 ? 100.0 : 107.0});
    }
    events.raise(QStringLiteral("picPaint.MouseUp"), {1, 0, double(x), 100});
}

// Gathers what the canvas's and the selection's views repaint, in the canvas view's pixels.
class PaintedArea : public QObject {
public:
    explicit PaintedArea(frmPaint &w) : m_w(w)
    {
        w.picPaintView->installEventFilter(this);
        w.picSelectView->installEventFilter(this);
    }
    QRegion painted;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            const auto *widget = static_cast<QWidget *>(watched);
            // The selection's view lies in the canvas's view.
            const QPoint offset = widget == m_w.picSelectView ? widget->pos() : QPoint();
            painted += static_cast<QPaintEvent *>(event)->region().translated(offset);
        }
        return false;
    }

private:
    frmPaint &m_w;
};

}  // namespace pinxel::bench
