// The Text tool's box on the canvas (its key, double-click and focus events
// go to the tool) and the Font command, which restyles the canvas font, the
// box and its measuring label together and sets the foreground colour.

#include "editor/frmPaint.h"

#include "document/mdlGeneral.h"
#include "tools/TextTool.h"
#include "view/CanvasTextBox.h"

#include <QFontInfo>
#include <QLabel>

namespace pinxel {

void frmPaint::txtText_KeyDown(int KeyCode, int Shift)
{
    try {
        toolBox.toolAs<TextTool>(ToolText).KeyDown(KeyCode, Shift);
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::txtText_KeyUp(int KeyCode, int Shift)
{
    try {
        toolBox.toolAs<TextTool>(ToolText).KeyUp(KeyCode, Shift);
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::txtText_DblClick()
{
    try {
        toolBox.toolAs<TextTool>(ToolText).DblClick();
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::txtText_LostFocus()
{
    try {
        toolBox.toolAs<TextTool>(ToolText).LostFocus();
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::focusCanvas()
{
    picPaintView->setFocus();
    // In a window that is not active (headless, or behind another) the
    // platform reports no loss of focus: the box is told here.
    if (txtText->isShown())
        txtText_LostFocus();
}

void frmPaint::mnuFont_Click()
{
    try {
        const QFont &current = picPaint.Font;
        cdlFonts.FontBold = current.bold();
        cdlFonts.FontItalic = current.italic();
        cdlFonts.FontName = current.family();
        cdlFonts.FontSize = current.pointSizeF();
        cdlFonts.FontStrikethru = current.strikeOut();
        cdlFonts.FontUnderline = current.underline();
        cdlFonts.Color = foregroundColor();
        HostServices::current().ShowFont(cdlFonts);  // a cancel keeps the presets

        QFont chosen(cdlFonts.FontName);
        chosen.setBold(cdlFonts.FontBold);
        chosen.setItalic(cdlFonts.FontItalic);
        chosen.setPointSizeF(cdlFonts.FontSize > 0 ? cdlFonts.FontSize : current.pointSizeF());
        chosen.setStrikeOut(cdlFonts.FontStrikethru);
        chosen.setUnderline(cdlFonts.FontUnderline);
        chosen = realFace(chosen);
        picPaint.Font = chosen;
        picPaint.ForeColor = cdlFonts.Color;
        txtText->setFont(chosen);
        txtText->setColors(cdlFonts.Color, picPaint.BackColor);
        lblTextSize->setFont(chosen);
        // The plain colour: the canvas pen took it above, no inverting pen is made.
        setSwatchColor(lblForeColor, cdlFonts.Color);
        txtText_KeyDown(0, 0);  // an open edit shows the new font at once
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

QFont frmPaint::realFace(QFont font)
{
    font.setFamily(QFontInfo(font).family());
    return font;
}

}  // namespace pinxel
