// The colour palette (26 swatches lblColor) and the foreground and fill
// swatches, showing the model's colours.

#include "editor/frmPaint.h"

#include "pinxel/Screen.h"
#include "view/TwipsPlacement.h"

#include <QFrame>
#include <QLabel>

namespace pinxel {

namespace {

// Left edges of the thirteen columns in twips; column 0's bottom swatch sits 5 twips further right.
constexpr double ColumnLeft[13] = {850, 1125, 1400, 1660, 1935, 2200, 2475, 2745, 3015, 3285, 3555, 3825, 4095};
constexpr double RowTop[2] = {225, 495};
constexpr double SwatchSize = 255;

void setSwatchColor(QLabel *swatch, Color color)
{
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(toQRgb(color)));
    swatch->setPalette(palette);
}

}  // namespace

void frmPaint::createPalette()
{
    for (size_t i = 0; i < lblColor.size(); ++i) {
        auto *swatch = new QLabel(fraColor);
        swatch->setObjectName(QStringLiteral("lblColor(%1)").arg(i));
        swatch->setAutoFillBackground(true);
        swatch->setFrameShape(QFrame::Box);
        setSwatchColor(swatch, EditorModel::paletteColor(int(i)));
        const size_t column = i / 2, row = i % 2;
        placeInTwips(swatch, ColumnLeft[column] + (column == 0 && row == 1 ? 5 : 0), RowTop[row], SwatchSize,
                     SwatchSize);
        lblColor[i] = swatch;
    }

    // The two colour swatches, overlapping on a grey square.
    auto *swatchArea = new QLabel(fraColor);
    swatchArea->setAutoFillBackground(true);
    setSwatchColor(swatchArea, composeColor(224, 224, 224));
    placeInTwips(swatchArea, 150, 210, 555, 555);
    lblForeColor = new QLabel(fraColor);
    lblForeColor->setObjectName(QStringLiteral("lblForeColor"));
    lblFillColor = new QLabel(fraColor);
    lblFillColor->setObjectName(QStringLiteral("lblFillColor"));
    for (QLabel *swatch : {lblForeColor, lblFillColor}) {
        swatch->setAutoFillBackground(true);
        swatch->setFrameShape(QFrame::Box);
    }
    placeInTwips(lblFillColor, 375, 420, 255, 255);
    placeInTwips(lblForeColor, 255, 300, 255, 255);
    lblForeColor->raise();
    showColors();
}

void frmPaint::showColors()
{
    setSwatchColor(lblForeColor, m_model.foregroundColor());
    setSwatchColor(lblFillColor, m_model.fillColor());
}

}  // namespace pinxel
