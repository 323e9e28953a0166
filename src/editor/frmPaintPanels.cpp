// The option panels below the tool buttons: the width panel fraOptDot (pen
// width 1 to 8 pixels), the brush panel fraBrush (ten brush shapes) and the
// fill panel fraOptFill (outline, outline and fill, fill only); and the look
// of the tool buttons themselves.

#include "editor/frmPaint.h"

#include "document/mdlGeneral.h"
#include "pinxel/Screen.h"
#include "tools/BrushShapes.h"
#include "view/ShapeSample.h"
#include "view/ToolIcons.h"
#include "view/TwipsPlacement.h"

#include <QAbstractButton>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>

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

// The width panel's cells: two columns by four rows, in twips.
constexpr double DotColumnLeft[] = {75, 325};
constexpr double DotRowTop = 150, DotCellSize = 250;
constexpr double DotHighlightSize = 255;

// The brush images: 9 x 9 pixels in two columns and five rows, in twips.
constexpr double BrushColumnLeft[] = {120, 405};
constexpr double BrushRowTop = 210, BrushRowStep = 270;

// The fill samples, their highlight bar's tops and the press ranges, in twips.
constexpr double FillSampleTop[] = {210, 525, 840};
constexpr double FillBarTop[] = {150, 465, 780};
constexpr double FillPanelWidth = 705, FillBarWidth = 570, FillBarHeight = 275;
constexpr double FillSampleWidth = 420, FillSampleHeight = 150;
constexpr double FillPressFrom[] = {125, 450, 775};
constexpr double FillPressLength = 300;

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
    // The tool buttons: an icon each; the chosen one looks pressed in.
    fraTools->setStyleSheet(QString::fromLatin1(ToolButtonLook));
    for (size_t i = 0; i < optTools.size(); ++i) {
        optTools[i]->setIcon(toolIcon(int(i)));
        optTools[i]->setIconSize(QSize(ToolIconSize, ToolIconSize));
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
}

void frmPaint::fraOptDot_MouseDown(int Button, int, double X, double Y)
{
    try {
        if (Button != 1)
            return;
        int column = -1;
        for (int c = 0; c < 2; ++c)
            if (X >= DotColumnLeft[c] && X < DotColumnLeft[c] + DotCellSize)
                column = c;
        const int row = Y >= DotRowTop ? int((Y - DotRowTop) / DotCellSize) : -1;
        if (column < 0 || row < 0 || row > 3)
            return;
        const int cell = 2 * row + column;
        for (QWidget *dot : shpDot) {
            static_cast<ShapeSample *>(dot)->setBorderColor(Qt::black);
            static_cast<ShapeSample *>(dot)->setFillColor(Qt::black);
        }
        static_cast<ShapeSample *>(shpDot[size_t(cell)])->setBorderColor(Qt::white);
        static_cast<ShapeSample *>(shpDot[size_t(cell)])->setFillColor(Qt::white);
        placeInTwips(lblDot, DotColumnLeft[column], DotRowTop + DotCellSize * row, DotHighlightSize, DotHighlightSize);
        DotIndex = std::int16_t(cell);
        // An open figure's preview follows the new width.
        toolBox.aroundPenChange([this] { picPaint.DrawWidth = DotIndex + 1; });
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::fraOptFill_MouseDown(int Button, int, double, double Y)
{
    try {
        if (Button != 1)
            return;
        int option = -1;
        for (int i = 0; i < 3; ++i)
            if (Y >= FillPressFrom[i] && Y < FillPressFrom[i] + FillPressLength)
                option = i;
        if (option < 0)
            return;  // the gaps between the samples, or outside them
        FillOption = option;
        placeInTwips(lblFill, (FillPanelWidth - FillBarWidth) / 2, FillBarTop[option], FillBarWidth, FillBarHeight);
        for (size_t i = 0; i < shpRect.size(); ++i)
            static_cast<ShapeSample *>(shpRect[i])->setBorderColor(int(i) == option ? Qt::white : Qt::black);
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

void frmPaint::imgBrush_MouseDown(int Index, int, int, double, double)
{
    try {
        BrushIndex = Index;
        // The highlight frames the image with a 4-pixel margin.
        QLabel *image = imgBrush[size_t(Index)];
        lblBrush->move(image->x() - 4, image->y() - 4);
    } catch (const Error &error) {
        ReportError(ReportDescription, error.description());
    }
}

}  // namespace pinxel
