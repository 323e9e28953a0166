// The colour palette (26 swatches lblColor), the foreground and fill
// swatches with the colour dialog behind them, and the Border Style and Fill
// Style menus.

#include "editor/frmPaint.h"

#include "document/mdlGeneral.h"
#include "pinxel/Screen.h"
#include "view/TwipsPlacement.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>

namespace pinxel {

namespace {

constexpr Color PaletteColors[26] = {
    composeColor(0, 0, 0),       composeColor(255, 255, 255), composeColor(128, 128, 128), composeColor(192, 192, 192),
    composeColor(128, 0, 0),     composeColor(255, 0, 0),     composeColor(128, 128, 0),   composeColor(255, 255, 0),
    composeColor(0, 128, 0),     composeColor(0, 255, 0),     composeColor(0, 128, 128),   composeColor(0, 255, 255),
    composeColor(0, 0, 128),     composeColor(0, 0, 255),     composeColor(128, 0, 128),   composeColor(255, 0, 255),
    composeColor(64, 64, 0),     composeColor(255, 255, 192), composeColor(0, 64, 0),      composeColor(128, 255, 128),
    composeColor(128, 128, 255), composeColor(192, 255, 255), composeColor(64, 0, 64),     composeColor(255, 128, 255),
    composeColor(128, 64, 0),    composeColor(255, 128, 0),
};

// Left edges of the thirteen columns in twips; column 0's bottom swatch sits 5 twips further right.
constexpr double ColumnLeft[13] = {850, 1125, 1400, 1660, 1935, 2200, 2475, 2745, 3015, 3285, 3555, 3825, 4095};
constexpr double RowTop[2] = {225, 495};
constexpr double SwatchSize = 255;

// Moves the check mark of a style menu to one item.
void checkOnly(QMenu *menu, QAction *chosen)
{
    for (QAction *action : menu->actions())
        action->setChecked(false);
    chosen->setChecked(true);
}

}  // namespace

void frmPaint::createPalette()
{
    for (size_t i = 0; i < lblColor.size(); ++i) {
        auto *swatch = new QLabel(fraColor);
        swatch->setObjectName(QStringLiteral("lblColor(%1)").arg(i));
        swatch->setAutoFillBackground(true);
        swatch->setFrameShape(QFrame::Box);
        setSwatchColor(swatch, PaletteColors[i]);
        const size_t column = i / 2, row = i % 2;
        placeInTwips(swatch, ColumnLeft[column] + (column == 0 && row == 1 ? 5 : 0), RowTop[row], SwatchSize,
                     SwatchSize);
        lblColor[i] = swatch;
    }
}

void frmPaint::SetForeColor(Color color)
{
    // An open figure's preview was drawn with the old pen: it goes first and
    // comes back in the new colour.
    toolBox.aroundPenChange([&] {
        setSwatchColor(lblForeColor, color);
        picPaint.DrawMode = DrawModeXorPen;
        picPaint.ForeColor = color ^ picPaint.BackColor;
    });
}

void frmPaint::lblColor_MouseDown(int Index, int Button, int, double, double)
{
    try {
        const Color color = fromQRgb(lblColor[size_t(Index)]->palette().color(QPalette::Window).rgb());
        if (Button == 1)
            SetForeColor(color);
        else if (Button == 2)
            setSwatchColor(lblFillColor, color);
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::lblColor_MouseMove(int, int, int, double, double) { UpdateStatusBar(1, 0, 0, 0, FlagFalse); }
void frmPaint::lblForeColor_MouseMove(int, int, double, double) { UpdateStatusBar(2, 0, 0, 0, FlagFalse); }
void frmPaint::lblFillColor_MouseMove(int, int, double, double) { UpdateStatusBar(3, 0, 0, 0, FlagFalse); }

// One colour dialog for both swatches, never preset: it opens on the colour
// last taken from it, and a cancel gives that colour back.
void frmPaint::lblForeColor_DblClick()
{
    try {
        HostServices::current().ShowColor(cdlColor);
        SetForeColor(cdlColor.Color);
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::lblFillColor_DblClick()
{
    try {
        HostServices::current().ShowColor(cdlColor);
        setSwatchColor(lblFillColor, cdlColor.Color);
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::mnuForegroundColor_Click() { lblForeColor_DblClick(); }
void frmPaint::mnuFillColor_Click() { lblFillColor_DblClick(); }

void frmPaint::mnuBS_Click(int Index)
{
    try {
        LineDrawStyle = std::int16_t(Index);
        checkOnly(menu(QStringLiteral("mnuBorderStyle")), item(QStringLiteral("mnuBS(%1)").arg(Index)));
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::mnuFS_Click(int Index)
{
    try {
        ShapeFillStyle = std::int16_t(Index);
        checkOnly(menu(QStringLiteral("mnuFillStyle")), item(QStringLiteral("mnuFS(%1)").arg(Index)));
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

}  // namespace pinxel
