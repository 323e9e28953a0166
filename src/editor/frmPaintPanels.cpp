// The tool buttons and the option panels below them: the width panel
// fraOptDot (pen width 1 to 8 pixels), the brush panel fraBrush (ten brush
// shapes) and the fill panel fraOptFill (outline, outline and fill, fill
// only). What they show is the model's: the pressed tool, the panels shown
// and each panel's choice (showPalette).

#include "editor/frmPaint.h"

#include "document/mdlGeneral.h"
#include "model/PanelCells.h"
#include "pinxel/Screen.h"
#include "tools/BrushShapes.h"
#include "tools/ToolTable.h"
#include "view/Accessibility.h"
#include "view/ShapeSample.h"
#include "view/ToolIcons.h"
#include "view/TwipsPlacement.h"

#include <QAbstractButton>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QToolButton>

#include <utility>

namespace pinxel {

namespace {

QFrame *panel(QWidget *parent, const char *name)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

QLabel *highlight(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Highlight));
    label->setPalette(palette);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

using panels::DotCellSize;
using panels::DotColumnLeft;
using panels::DotRowTop;
constexpr double DotHighlightSize = 255;

// The brush images: 9 x 9 pixels in two columns and five rows, in twips.
constexpr double BrushColumnLeft[] = {120, 405};
constexpr double BrushRowTop = 210, BrushRowStep = 270;

// The fill samples, their highlight bar's tops and the press ranges, in twips.
constexpr double FillSampleTop[] = {210, 525, 840};
constexpr double FillBarTop[] = {150, 465, 780};
constexpr double FillPanelWidth = 705, FillBarWidth = 570, FillBarHeight = 275;
constexpr double FillSampleWidth = 420, FillSampleHeight = 150;

// A brush shape's image, its pixels whole at any device pixel ratio.
QPixmap brushImage(int index, qreal devicePixelRatio)
{
    const QImage image = brushShapeImage(index);
    const int side = qRound(image.width() * devicePixelRatio);
    QPixmap pixmap = QPixmap::fromImage(image.scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

const char *const ToolButtonLook =
    "QToolButton { border: 1px solid transparent; border-radius: 2px; background: transparent; padding: 0px; }"
    "QToolButton:hover { border-color: palette(mid); background: palette(light); }"
    "QToolButton:checked, QToolButton:pressed {"
    "  border-top-color: palette(shadow); border-left-color: palette(shadow);"
    "  border-bottom-color: palette(light); border-right-color: palette(light);"
    "  background: palette(midlight); }";

}  // namespace

void frmPaint::createToolPanels()
{
    // The tool buttons: two columns, nine rows, as the tool table places
    // them; an icon each; the chosen one looks pressed in.
    fraTools->setStyleSheet(QString::fromLatin1(ToolButtonLook));
    for (int i = 0; i < ToolCount; ++i) {
        const ToolRow &row = toolRow(i);
        auto *button = new ChoiceButton(fraTools);
        button->setObjectName(QStringLiteral("optTools(%1)").arg(i));
        button->setToolTip(shownToolText(row.tooltip));
        button->setCheckable(true);
        button->setAutoExclusive(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setIcon(toolIcon(i));
        button->setIconSize(QSize(ToolIconSize, ToolIconSize));
        placeInTwips(button, row.column == 0 ? 50 : 435, 120 + 375 * row.row, 390, 375);
        optTools.push_back(button);
    }

    // The width panel: eight dots, 2 to 9 pixels across, on a highlight square.
    fraOptDot = panel(fraTools, "fraOptDot");
    placeInTwips(fraOptDot, 90, 3600, 660, 1215);
    lblDot = highlight(fraOptDot, "lblDot");
    placeInTwips(lblDot, DotColumnLeft[0], DotRowTop, DotHighlightSize, DotHighlightSize);
    for (size_t i = 0; i < shpDot.size(); ++i) {
        auto *dot = new ShapeSample(ShapeSample::Circle, fraOptDot);
        dot->setObjectName(QStringLiteral("shpDot(%1)").arg(i));
        const double size = 30 + 15 * double(i);
        const double centreX = DotColumnLeft[i % 2] + DotCellSize / 2,
                     centreY = DotRowTop + DotCellSize * double(i / 2) + DotCellSize / 2;
        placeInTwips(dot, centreX - size / 2, centreY - size / 2, size, size);
        const QColor color = i == 0 ? Qt::white : Qt::black;
        dot->setBorderColor(color);
        dot->setFillColor(color);
        shpDot[i] = dot;
    }

    // The brush panel: ten shapes on a highlight square; shown with the Brush tool only.
    fraBrush = panel(fraTools, "fraBrush");
    placeInTwips(fraBrush, 90, 4815, 660, 1545);
    lblBrush = highlight(fraBrush, "lblBrush");
    const qreal ratio = qApp->devicePixelRatio();
    for (size_t i = 0; i < imgBrush.size(); ++i) {
        auto *image = new QLabel(fraBrush);
        image->setObjectName(QStringLiteral("imgBrush(%1)").arg(i));
        image->setPixmap(brushImage(int(i), ratio));
        placeInTwips(image, BrushColumnLeft[i % 2], BrushRowTop + BrushRowStep * double(i / 2), 9 * twipsPerPixelX(),
                     9 * twipsPerPixelY());
        imgBrush[i] = image;
    }
    placeInTwips(lblBrush, BrushColumnLeft[0] - 4 * twipsPerPixelX(), BrushRowTop - 4 * twipsPerPixelY(), 255, 255);
    fraBrush->hide();

    // The fill panel: outline, outline and fill, fill only; shown with the four fillable shapes.
    fraOptFill = panel(fraTools, "fraOptFill");
    placeInTwips(fraOptFill, 75, 4815, FillPanelWidth, 1110);
    lblFill = highlight(fraOptFill, "lblFill");
    placeInTwips(lblFill, (FillPanelWidth - FillBarWidth) / 2, FillBarTop[0], FillBarWidth, FillBarHeight);
    for (size_t i = 0; i < shpRect.size(); ++i) {
        auto *sample = new ShapeSample(ShapeSample::Rectangle, fraOptFill);
        sample->setObjectName(QStringLiteral("shpRect(%1)").arg(i));
        placeInTwips(sample, (FillPanelWidth - FillSampleWidth) / 2, FillSampleTop[i], FillSampleWidth,
                     FillSampleHeight);
        sample->setBorderColor(i == 0 ? Qt::white : Qt::black);
        if (i > 0)
            sample->setFillColor(QColor(128, 128, 128));
        sample->setBorderVisible(i != 2);
        shpRect[i] = sample;
    }
    fraOptFill->hide();
    showPalette();
}

void frmPaint::showPalette()
{
    const EditorModel &m = m_model;
    if (m.pressedTool() >= 0 && size_t(m.pressedTool()) < optTools.size())
        optTools[size_t(m.pressedTool())]->setChecked(true);
    fraBrush->setVisible(m.shownPanels() & PanelBrush);
    fraOptDot->setVisible(m.shownPanels() & PanelWidth);
    fraOptFill->setVisible(m.shownPanels() & PanelFill);

    // A panel follows its choice when that changed: a highlight placed once
    // stays where the twips of its time put it.
    if (const int cell = m.DotIndex; cell != std::exchange(m_shownDot, cell) && cell >= 0 && cell < 8) {
        // The chosen dot white on the highlight, the others black.
        for (size_t i = 0; i < shpDot.size(); ++i) {
            const QColor color = int(i) == cell ? Qt::white : Qt::black;
            static_cast<ShapeSample *>(shpDot[i])->setBorderColor(color);
            static_cast<ShapeSample *>(shpDot[i])->setFillColor(color);
        }
        placeInTwips(lblDot, DotColumnLeft[cell % 2], DotRowTop + DotCellSize * (cell / 2), DotHighlightSize,
                     DotHighlightSize);
    }
    if (const int option = m.FillOption; option != std::exchange(m_shownFill, option) && option >= 0 && option < 3) {
        placeInTwips(lblFill, (FillPanelWidth - FillBarWidth) / 2, FillBarTop[option], FillBarWidth, FillBarHeight);
        for (size_t i = 0; i < shpRect.size(); ++i)
            static_cast<ShapeSample *>(shpRect[i])->setBorderColor(int(i) == option ? Qt::white : Qt::black);
    }
    if (const int brush = m.BrushIndex; brush != std::exchange(m_shownBrush, brush) && brush >= 0 && brush < 10) {
        // The highlight frames the image with a 4-pixel margin.
        const QLabel *image = imgBrush[size_t(brush)];
        lblBrush->move(image->x() - 4, image->y() - 4);
    }
    followChoices();
}

}  // namespace pinxel
