// The tool palette (choosing a tool and what that triggers), the option
// panels' choices, pointer input on the canvas and the curve handles, the
// text box's events and the Font command.

#include "model/EditorModel.h"

#include "document/mdlGeneral.h"
#include "model/PanelCells.h"
#include "pinxel/Screen.h"
#include "tools/CurveTool.h"
#include "tools/TextTool.h"
#include "tools/ToolTable.h"
#include "tools/ZoomTool.h"

#include <QFontInfo>

#include <utility>

namespace pinxel {

// ---------------------------------------------------------------- the palette

void EditorModel::pressTool(int index, int button)
{
    m_chosenByPress = false;
    if (button != 1)
        return;
    canvasDblClick();  // finish what the old tool left pending
    CurrentTool = index;
    // The Filter Brush asks for its filter at the press: the click of the same
    // press asks no second time.
    if (const ToolRow &row = toolRow(index); row.whenChosen && row.chosenAtPress) {
        m_chosenByPress = true;
        row.whenChosen(*this);
    }
}

void EditorModel::chooseTool()
{
    const ToolRow &row = toolRow(CurrentTool);
    if (CurrentTool >= 0 && CurrentTool < ToolCount)
        m_pressedTool = CurrentTool;
    m_shownPanels = row.panels;
    emit paletteChanged();
    if (!std::exchange(m_chosenByPress, false) && row.whenChosen)
        row.whenChosen(*this);
    if (CurrentTool != ToolSelectArea)
        DropSelection();
    if (!row.keepsZoomView)
        SetZoomView(0, 0, FlagTrue);
    UpdateStatusBar(0, 0, 0, 0, FlagFalse);
    SetToolCursor();
    focusCanvas();
}

void EditorModel::choosePenWidth(int cell)
{
    DotIndex = std::int16_t(cell);
    emit paletteChanged();
    // An open figure's preview follows the new width.
    toolBox.aroundPenChange([this] { picPaint.DrawWidth = DotIndex + 1; });
}

void EditorModel::pressPenWidthPanel(int Button, double X, double Y)
{
    if (const std::optional<int> cell = panels::penWidthCellAt(X, Y); Button == 1 && cell)
        choosePenWidth(*cell);
}

void EditorModel::pressFillPanel(int Button, double Y)
{
    if (const std::optional<int> option = panels::fillOptionAt(Y); Button == 1 && option)
        chooseFillOption(*option);  // the gaps between the samples, or outside them, choose nothing
}

void EditorModel::chooseFillOption(int option)
{
    FillOption = option;
    emit paletteChanged();
}

void EditorModel::chooseBrush(int index)
{
    BrushIndex = index;
    emit paletteChanged();
}

// ---------------------------------------------------------------- pointer input

void EditorModel::canvasMouseDown(int Button, int Shift, double X, double Y)
{
    // The press takes the focus from an open text box. The text tool's
    // press has tagged it "moving" by then, so that loss does not stamp it.
    const bool textOpen = textBox().isShown();
    try {
        toolBox.press(Button, Shift, X, Y);
    } catch (const Error &) {
        ReportError(ReportDraw, QString());  // a failed press is a drawing error, and the box still loses the focus
    }
    if (textOpen)
        textLostFocus();
}

void EditorModel::canvasMouseMove(int Button, int Shift, double X, double Y)
{
    toolBox.move(Button, Shift, X, Y);
    // A pan counts the canvas in twips; the position shows in pixels still.
    const bool twips = picPaint.ScaleMode() == ScaleTwips;
    UpdateStatusBar(0, twips ? X / twipsPerPixelX() : X, twips ? Y / twipsPerPixelY() : Y, 0, FlagFalse);
}

void EditorModel::canvasMouseUp(int Button, int Shift, double X, double Y)
{
    toolBox.release(Button, Shift, X, Y);
    UpdateStatusBar(0, 0, 0, 0, FlagFalse);
}

void EditorModel::canvasDblClick() { toolBox.finish(); }

void EditorModel::canvasKeyUp(int KeyCode, int)
{
    if (KeyCode == 13)
        canvasDblClick();
}

void EditorModel::curveHandleMouseDown(int Index, int Button, int Shift, double X, double Y)
{
    toolBox.toolAs<CurveTool>(ToolCurve).handleMouseDown(Index, Button, Shift, X, Y);
}

void EditorModel::curveHandleMouseMove(int Index, int Button, int Shift, double X, double Y)
{
    toolBox.toolAs<CurveTool>(ToolCurve).handleMouseMove(Index, Button, Shift, X, Y);
}

void EditorModel::curveHandleMouseUp(int Index, int Button, int Shift, double X, double Y)
{
    toolBox.toolAs<CurveTool>(ToolCurve).handleMouseUp(Index, Button, Shift, X, Y);
}

// ---------------------------------------------------------------- the text box and the font

void EditorModel::textKeyDown(int KeyCode, int Shift) { toolBox.toolAs<TextTool>(ToolText).KeyDown(KeyCode, Shift); }
void EditorModel::textKeyUp(int KeyCode, int Shift) { toolBox.toolAs<TextTool>(ToolText).KeyUp(KeyCode, Shift); }
void EditorModel::textDblClick() { toolBox.toolAs<TextTool>(ToolText).DblClick(); }

void EditorModel::textLostFocus()
{
    // Also raised by a focus change inside another handler: its failure is reported here.
    try {
        toolBox.toolAs<TextTool>(ToolText).LostFocus();
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void EditorModel::chooseFont()
{
    const QFont &current = picPaint.Font;
    cdlFonts.FontBold = current.bold();
    cdlFonts.FontItalic = current.italic();
    cdlFonts.FontName = current.family();
    cdlFonts.FontSize = current.pointSizeF();
    cdlFonts.FontStrikethru = current.strikeOut();
    cdlFonts.FontUnderline = current.underline();
    cdlFonts.Color = foregroundColor();
    host().ShowFont(cdlFonts);  // a cancel keeps the presets

    QFont chosen(cdlFonts.FontName);
    chosen.setBold(cdlFonts.FontBold);
    chosen.setItalic(cdlFonts.FontItalic);
    chosen.setPointSizeF(cdlFonts.FontSize > 0 ? cdlFonts.FontSize : current.pointSizeF());
    chosen.setStrikeOut(cdlFonts.FontStrikethru);
    chosen.setUnderline(cdlFonts.FontUnderline);
    chosen = realFace(chosen);
    picPaint.Font = chosen;
    picPaint.ForeColor = cdlFonts.Color;
    textBox().setTextFont(chosen);
    textBox().setColors(cdlFonts.Color, picPaint.BackColor);
    // The plain colour: the canvas pen took it above, no inverting pen is made.
    setForegroundColor(cdlFonts.Color);
    textKeyDown(0, 0);  // an open edit shows the new font at once
}

QFont EditorModel::realFace(QFont font)
{
    font.setFamily(QFontInfo(font).family());
    return font;
}

}  // namespace pinxel
