#include "tools/TextTool.h"

#include "pinxel/PictureSurface.h"
#include "tools/CanvasElements.h"
#include "tools/ToolContext.h"
#include "tools/Tools.h"

namespace pinxel {

namespace {
const QString Moving = QStringLiteral("moving");
}

bool TextTool::busy() const { return ctx.textBox().isShown(); }

void TextTool::press(int, int x, int y)
{
    TextBox &box = ctx.textBox();
    if (box.isShown()) {
        box.setTag(Moving);
        box.moveTo(x, y);
        box.takeFocus();
        return;
    }
    box.setColors(ctx.foregroundColor(), ctx.canvas().BackColor);
    box.moveTo(x, y);
    box.setText(QString());
    box.setShown(true);
    box.takeFocus();
}

void TextTool::FitBox(const QString &letter)
{
    TextBox &box = ctx.textBox();
    const QRect place = box.place();
    box.setPlace(QRect(place.topLeft(), box.measure(letter + box.text())));
}

void TextTool::KeyDown(int, int) { FitBox(QStringLiteral("M")); }

void TextTool::KeyUp(int keyCode, int)
{
    TextBox &box = ctx.textBox();
    if (keyCode == 13)
        Stamp();
    else if (keyCode == 27)
        box.setShown(false);  // discarded: nothing drawn, nothing recorded
    else
        FitBox(QStringLiteral("O"));
    if (!box.isShown())
        ctx.focusCanvas();
}

void TextTool::DblClick() { Stamp(); }

void TextTool::LostFocus()
{
    TextBox &box = ctx.textBox();
    if (box.isShown() && box.tag() != Moving)
        KeyUp(13, 0);
    box.setTag(QString());
}

void TextTool::Stamp()
{
    TextBox &box = ctx.textBox();
    PictureSurface &canvas = ctx.canvas();
    const QRect place = box.place();
    canvas.CurrentX = place.left();
    canvas.CurrentY = place.top();
    canvas.ForeColor = ctx.foregroundColor();
    canvas.Print(box.text());
    canvas.Refresh();
    box.setShown(false);
    ctx.recordStep();
}

std::unique_ptr<Tool> makeText(ToolContext &context, int index) { return std::make_unique<TextTool>(context, index); }

}  // namespace pinxel
