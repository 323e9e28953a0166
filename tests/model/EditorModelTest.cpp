// The editor model apart from its window: it runs a script with no widget at
// all and ends where the window does, and two editors in one process keep
// their own picture, history, selection and clipboard.

#include "model/EditorModel.h"
#include "editor/EditorScript.h"
#include "editor/StateLine.h"
#include "editor/frmPaint.h"
#include "pinxel/ScriptedHostServices.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace pinxel::test {
namespace {

// A drawing session that touches the tools, the panels, the colours, the
// styles, an effect, a filter, the selection, the clipboard and the history.
const char *const Session[] = {
    "canvas 120 90",
    "lblColor(5).MouseDown 1 0 0 0",
    "fraOptDot.MouseDown 1 0 350 420",
    "optTools(6).MouseDown 1 0 0 0",
    "optTools(6).Click",
    "mnuFS(6).Click",
    "picPaint.MouseDown 1 0 10 10",
    "picPaint.MouseMove 1 0 60 40",
    "picPaint.MouseUp 1 0 60 40",
    "mnuBlur.Click",
    "mnuRotate90.Click",
    "mnuUndo.Click",
    "optTools(0).MouseDown 1 0 0 0",
    "optTools(0).Click",
    "picPaint.MouseDown 1 0 5 5",
    "picPaint.MouseMove 1 0 30 30",
    "picPaint.MouseUp 1 0 30 30",
    "mnuCopy.Click",
    "mnuPaste.Click",
    "picSelect.MouseDown 1 0 3 3",
    "picSelect.MouseMove 1 0 40 20",
    "picSelect.MouseUp 1 0 40 20",
    "optTools(8).MouseDown 1 0 0 0",
    "optTools(8).Click",
    "picPaint.MouseDown 1 0 70 60",
    "picPaint.MouseUp 1 0 70 60",
    "txtText.KeyPress 72",
    "txtText.KeyPress 105",
    "picPaint.KeyUp 13 0",
};

// The state line's fields that are the model's (the window adds its own).
QJsonObject modelFields(const QString &state)
{
    QJsonObject fields = QJsonDocument::fromJson(state.toUtf8()).object();
    for (const char *windowField : {"hscPaint", "vscPaint", "window"})
        fields.remove(QString::fromLatin1(windowField));
    QJsonObject tools = fields.value(QStringLiteral("tools")).toObject();
    for (const char *highlight : {"lblDot", "lblBrush", "lblFill"})
        tools.remove(QString::fromLatin1(highlight));
    fields[QStringLiteral("tools")] = tools;
    fields.remove(QStringLiteral("txtText"));  // the box measures its text in its own widget's way
    return fields;
}

TEST(EditorModelTest, AHeadlessModelRunsTheSessionAsTheWindowDoesWithoutAWidget)
{
    QString windowState, windowChecksum;
    {
        ScriptedHostServices services;
        EditorScript script(services, true, [](const QString &) {});
        for (const char *line : Session)
            script.run(QString::fromLatin1(line));
        windowState = script.stateJson();
        windowChecksum = pictureChecksum(script.finalPicture());
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    const qsizetype widgetsBefore = QApplication::allWidgets().size();
    ScriptedHostServices services;
    EditorModel model;
    EditorScript script(services, model, true, [](const QString &) {});
    for (const char *line : Session)
        script.run(QString::fromLatin1(line));
    EXPECT_EQ(QApplication::allWidgets().size(), widgetsBefore);
    EXPECT_EQ(modelFields(script.stateJson()), modelFields(windowState));
    EXPECT_EQ(pictureChecksum(script.finalPicture()), windowChecksum);
    // What only a window has is refused, not guessed.
    EXPECT_THROW(script.run(QStringLiteral("frame 2 2")), ScriptError);
    EXPECT_THROW(script.run(QStringLiteral("frmPaint.Resize 9000 9000")), ScriptError);
}

TEST(EditorModelTest, TwoEditorsInOneProcessKeepTheirOwnPictureHistorySelectionAndClipboard)
{
    ScriptedHostServices services;
    HostServices::setCurrent(&services);
    auto *first = new frmPaint;
    auto *second = new frmPaint;
    first->Form_Load();
    second->Form_Load();
    EditorModel &a = first->model(), &b = second->model();
    int secondSignals = 0;
    QObject::connect(&b, &EditorModel::selectionChanged, [&] { ++secondSignals; });
    QObject::connect(&b, &EditorModel::colorsChanged, [&] { ++secondSignals; });
    int firstSelections = 0;
    QObject::connect(&a, &EditorModel::selectionChanged, [&](bool shown) { firstSelections += shown; });
    const auto raise = [](EditorModel &m, const char *name, ElementEvents::Args args = {}) {
        m.events().raise(QString::fromLatin1(name), args);
    };
    // The second draws once and copies a selection of its own.
    raise(b, "picPaint.MouseDown", {1, 0, 20, 20});
    raise(b, "picPaint.MouseUp", {1, 0, 20, 20});
    const QImage secondPicture = b.picPaint.Image().copy();
    const std::int16_t secondHistory = b.UndoCurrent;
    const QImage secondClipboard = b.picClipboard.Image().copy();

    // The first draws, undoes, selects, copies and pastes.
    raise(a, "lblColor(5).MouseDown", {1, 0, 0, 0});
    raise(a, "picPaint.MouseDown", {1, 0, 5, 5});
    raise(a, "picPaint.MouseMove", {1, 0, 50, 40});
    raise(a, "picPaint.MouseUp", {1, 0, 50, 40});
    raise(a, "mnuUndo.Click");
    raise(a, "optTools(0).MouseDown", {1, 0, 0, 0});
    raise(a, "optTools(0).Click");
    raise(a, "picPaint.MouseDown", {1, 0, 2, 2});
    raise(a, "picPaint.MouseMove", {1, 0, 30, 30});
    raise(a, "picPaint.MouseUp", {1, 0, 30, 30});
    raise(a, "mnuCopy.Click");
    raise(a, "mnuPaste.Click");
    ASSERT_TRUE(a.selection().shown());
    EXPECT_GT(firstSelections, 0);
    ASSERT_TRUE(a.item(QStringLiteral("mnuPaste")).enabled);

    EXPECT_EQ(secondSignals, 0);  // the second editor heard nothing of the first's work
    EXPECT_TRUE(sameImage(b.picPaint.Image(), secondPicture));
    EXPECT_EQ(b.UndoCurrent, secondHistory);
    EXPECT_TRUE(b.item(QStringLiteral("mnuUndo")).enabled);
    EXPECT_FALSE(b.selection().shown());
    EXPECT_FALSE(b.holdsOwnCopy());
    EXPECT_TRUE(sameImage(b.picClipboard.Image(), secondClipboard));
    // Only through the desktop's clipboard, as from any program: the second may paste it.
    EXPECT_TRUE(b.item(QStringLiteral("mnuPaste")).enabled);
    EXPECT_EQ(b.foregroundColor(), Color(0));
    EXPECT_EQ(b.CurrentTool, ToolPencil);
    EXPECT_EQ(second->action(QStringLiteral("mnuCut"))->isEnabled(), false);
    EXPECT_EQ(first->action(QStringLiteral("mnuCut"))->isEnabled(), true);

    for (frmPaint *window : {first, second}) {
        window->model().IsDirty = FlagFalse;
        window->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    HostServices::setCurrent(nullptr);
}

}  // namespace
}  // namespace pinxel::test
