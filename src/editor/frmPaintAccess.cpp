// What the keyboard and assistive tools reach of the window. The tool
// buttons, the three option panels and the colour swatches are groups that
// Tab enters, the arrow keys move through and Space chooses from, through
// the same handlers as a click (view/CellGrid); the tab order follows the
// layout: tools, option panels, canvas, colours. Every element has a role,
// and a name and description read from its tooltip, hint or caption as they
// are shown, so a translated text is what assistive tools read too.

#include "editor/frmPaint.h"

#include "model/PanelCells.h"
#include "pinxel/Screen.h"
#include "tools/ToolTable.h"
#include "view/Accessibility.h"
#include "view/CellGrid.h"
#include "view/CurveHandle.h"
#include "view/StatusBar.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>

namespace pinxel {

namespace {

QString text(const char *source) { return QCoreApplication::translate("frmPaint", source); }
AccessibleText fixed(const char *source)
{
    return [source] { return text(source); };
}

// A rectangle in a panel's twips, in its pixels.
QRect pixels(double left, double top, double width, double height)
{
    const double tx = twipsPerPixelX(), ty = twipsPerPixelY();
    return QRect(qRound(left / tx), qRound(top / ty), qRound(width / tx), qRound(height / ty));
}

const char *const BrushNames[] = {
    QT_TRANSLATE_NOOP("frmPaint", "Filled square"),        QT_TRANSLATE_NOOP("frmPaint", "Filled disc"),
    QT_TRANSLATE_NOOP("frmPaint", "Hollow square"),        QT_TRANSLATE_NOOP("frmPaint", "Ring"),
    QT_TRANSLATE_NOOP("frmPaint", "Upright cross"),        QT_TRANSLATE_NOOP("frmPaint", "Diagonal cross"),
    QT_TRANSLATE_NOOP("frmPaint", "Rising diagonal line"), QT_TRANSLATE_NOOP("frmPaint", "Falling diagonal line"),
    QT_TRANSLATE_NOOP("frmPaint", "Horizontal line"),      QT_TRANSLATE_NOOP("frmPaint", "Vertical line"),
};
const char *const FillNames[] = {QT_TRANSLATE_NOOP("frmPaint", "Outline only"),
                                 QT_TRANSLATE_NOOP("frmPaint", "Outline and fill"),
                                 QT_TRANSLATE_NOOP("frmPaint", "Fill only")};
const char *const ColorNames[EditorModel::PaletteSize] = {
    QT_TRANSLATE_NOOP("frmPaint", "Black"),       QT_TRANSLATE_NOOP("frmPaint", "White"),
    QT_TRANSLATE_NOOP("frmPaint", "Grey"),        QT_TRANSLATE_NOOP("frmPaint", "Silver"),
    QT_TRANSLATE_NOOP("frmPaint", "Maroon"),      QT_TRANSLATE_NOOP("frmPaint", "Red"),
    QT_TRANSLATE_NOOP("frmPaint", "Olive"),       QT_TRANSLATE_NOOP("frmPaint", "Yellow"),
    QT_TRANSLATE_NOOP("frmPaint", "Green"),       QT_TRANSLATE_NOOP("frmPaint", "Lime"),
    QT_TRANSLATE_NOOP("frmPaint", "Teal"),        QT_TRANSLATE_NOOP("frmPaint", "Cyan"),
    QT_TRANSLATE_NOOP("frmPaint", "Navy"),        QT_TRANSLATE_NOOP("frmPaint", "Blue"),
    QT_TRANSLATE_NOOP("frmPaint", "Purple"),      QT_TRANSLATE_NOOP("frmPaint", "Magenta"),
    QT_TRANSLATE_NOOP("frmPaint", "Dark olive"),  QT_TRANSLATE_NOOP("frmPaint", "Light yellow"),
    QT_TRANSLATE_NOOP("frmPaint", "Dark green"),  QT_TRANSLATE_NOOP("frmPaint", "Light green"),
    QT_TRANSLATE_NOOP("frmPaint", "Light blue"),  QT_TRANSLATE_NOOP("frmPaint", "Light cyan"),
    QT_TRANSLATE_NOOP("frmPaint", "Dark purple"), QT_TRANSLATE_NOOP("frmPaint", "Pink"),
    QT_TRANSLATE_NOOP("frmPaint", "Brown"),       QT_TRANSLATE_NOOP("frmPaint", "Orange"),
};
const char *const ResizeHandleNames[] = {QT_TRANSLATE_NOOP("frmPaint", "Right edge of the picture"),
                                         QT_TRANSLATE_NOOP("frmPaint", "Bottom edge of the picture"),
                                         QT_TRANSLATE_NOOP("frmPaint", "Corner of the picture")};
const char *const CurveHandleNames[] = {
    QT_TRANSLATE_NOOP("frmPaint", "Start of the curve"), QT_TRANSLATE_NOOP("frmPaint", "First control point"),
    QT_TRANSLATE_NOOP("frmPaint", "Second control point"), QT_TRANSLATE_NOOP("frmPaint", "End of the curve")};

// A colour as its red, green and blue.
QString colorValue(Color color)
{
    return QStringLiteral("%1, %2, %3").arg(colorRed(color)).arg(colorGreen(color)).arg(colorBlue(color));
}

}  // namespace

void frmPaint::createAccess()
{
    installAccessibility();
    EditorModel &m = m_model;

    // The tool buttons: radio buttons named by their tooltips (ChoiceButton).
    m_toolGrid = new CellGrid(fraTools, QAccessible::Button);
    describeAccessible(fraTools, QAccessible::ToolBar, fixed(QT_TRANSLATE_NOOP("frmPaint", "Tools")));
    for (int i = 0; i < int(optTools.size()); ++i) {
        QAbstractButton *button = optTools[size_t(i)];
        const ToolRow &row = toolRow(i);
        button->setAccessibleDescription(shownToolText(row.hint));
        GridCell cell;
        cell.row = row.row;
        cell.column = row.column;
        cell.widget = button;
        cell.choose = [button](bool right) {
            if (!right)
                button->click();  // its clicked signal raises the press and the selection, as a click does
        };
        m_toolGrid->add(std::move(cell));
    }

    // The width panel: eight cells in two columns, where a press chooses.
    m_dotGrid = new CellGrid(fraOptDot, QAccessible::RadioButton);
    describeAccessible(fraOptDot, QAccessible::Grouping, fixed(QT_TRANSLATE_NOOP("frmPaint", "Pen width")),
                       fixed(QT_TRANSLATE_NOOP("frmPaint", "The width of lines and outlines")));
    for (int i = 0; i < 8; ++i) {
        const double left = panels::DotColumnLeft[i % 2], top = panels::DotRowTop + panels::DotCellSize * (i / 2);
        GridCell cell;
        cell.row = i / 2;
        cell.column = i % 2;
        cell.rect = [=] { return pixels(left, top, panels::DotCellSize, panels::DotCellSize); };
        cell.name = [i] { return text(QT_TRANSLATE_NOOP("frmPaint", "%1 pixels")).arg(i + 1); };
        cell.description = fixed(QT_TRANSLATE_NOOP("frmPaint", "The width of lines and outlines"));
        cell.checked = [&m, i] { return m.DotIndex == i; };
        const double x = left + panels::DotCellSize / 2, y = top + panels::DotCellSize / 2;
        cell.choose = [this, x, y](bool right) {
            if (!right)
                fraOptDot_MouseDown(1, 0, x, y);
        };
        m_dotGrid->add(std::move(cell));
    }

    // The brush panel: ten images in two columns, framed by the highlight when chosen.
    m_brushGrid = new CellGrid(fraBrush, QAccessible::RadioButton);
    describeAccessible(fraBrush, QAccessible::Grouping, fixed(QT_TRANSLATE_NOOP("frmPaint", "Brush shape")),
                       fixed(QT_TRANSLATE_NOOP("frmPaint", "The shape the brush paints with")));
    for (int i = 0; i < int(imgBrush.size()); ++i) {
        GridCell cell;
        cell.row = i / 2;
        cell.column = i % 2;
        QLabel *image = imgBrush[size_t(i)];
        cell.rect = [image] { return image->geometry().adjusted(-4, -4, 4, 4); };
        cell.name = fixed(BrushNames[i]);
        cell.description = fixed(QT_TRANSLATE_NOOP("frmPaint", "The shape the brush paints with"));
        cell.checked = [&m, i] { return m.BrushIndex == i; };
        cell.choose = [this, i](bool right) { imgBrush_MouseDown(i, right ? 2 : 1, 0, 0, 0); };
        m_brushGrid->add(std::move(cell));
    }

    // The fill panel: three samples stacked, each with its press range.
    m_fillGrid = new CellGrid(fraOptFill, QAccessible::RadioButton);
    describeAccessible(fraOptFill, QAccessible::Grouping,
                       fixed(QT_TRANSLATE_NOOP("frmPaint", "Outline and fill options")),
                       fixed(QT_TRANSLATE_NOOP("frmPaint", "How rectangles, ellipses and polygons are drawn")));
    for (int i = 0; i < 3; ++i) {
        const double top = panels::FillPressFrom[i];
        GridCell cell;
        cell.row = i;
        cell.rect = [this, top] {
            return QRect(0, pixels(0, top, 0, 0).y(), fraOptFill->width(),
                         pixels(0, 0, 0, panels::FillPressLength).height());
        };
        cell.name = fixed(FillNames[i]);
        cell.description = fixed(QT_TRANSLATE_NOOP("frmPaint", "How rectangles, ellipses and polygons are drawn"));
        cell.checked = [&m, i] { return m.FillOption == i; };
        cell.choose = [this, top](bool right) {
            if (!right)
                fraOptFill_MouseDown(1, 0, 100, top + panels::FillPressLength / 2);
        };
        m_fillGrid->add(std::move(cell));
    }

    // The colours: the foreground and fill swatches left of the palette's two rows.
    m_colorGrid = new CellGrid(fraColor, QAccessible::Button);
    describeAccessible(fraColor, QAccessible::Grouping, fixed(QT_TRANSLATE_NOOP("frmPaint", "Colors")));
    const auto swatch = [this](QLabel *label, int row, const char *item, int hint, std::function<Color()> color,
                               std::function<void()> dblClick) {
        GridCell cell;
        cell.row = row;
        cell.column = -1;
        cell.rect = [label] { return label->geometry(); };
        cell.name = [this, item] { return captionAsName(action(QLatin1String(item))->text()); };
        cell.description = [hint] { return EditorModel::swatchHint(hint); };
        cell.value = [color] { return colorValue(color()); };
        cell.choose = [dblClick](bool) { dblClick(); };
        m_colorGrid->add(std::move(cell));
    };
    swatch(
        lblForeColor, 0, "mnuForegroundColor", 2, [&m] { return m.foregroundColor(); },
        [this] { lblForeColor_DblClick(); });
    swatch(
        lblFillColor, 1, "mnuFillColor", 3, [&m] { return m.fillColor(); }, [this] { lblFillColor_DblClick(); });
    for (int i = 0; i < int(lblColor.size()); ++i) {
        GridCell cell;
        cell.row = i % 2;
        cell.column = i / 2;
        QLabel *label = lblColor[size_t(i)];
        cell.rect = [label] { return label->geometry(); };
        cell.name = fixed(ColorNames[i]);
        cell.description = [] { return EditorModel::swatchHint(1); };
        cell.value = [i] { return colorValue(EditorModel::paletteColor(i)); };
        cell.choose = [this, i](bool right) { lblColor_MouseDown(i, right ? 2 : 1, 0, 0, 0); };
        m_colorGrid->add(std::move(cell));
    }

    // The canvas and what lies on it; the status bar.
    const AccessibleText hint = [&m] { return m.toolHint(); };
    describeAccessible(picPaintView, QAccessible::Canvas, fixed(QT_TRANSLATE_NOOP("frmPaint", "Picture")), hint);
    describeAccessible(picSelectView, QAccessible::Graphic, fixed(QT_TRANSLATE_NOOP("frmPaint", "Selection")), hint);
    for (size_t i = 0; i < picPaintResize.size(); ++i)
        describeAccessible(picPaintResize[i], QAccessible::Grip, fixed(ResizeHandleNames[i]),
                           fixed(QT_TRANSLATE_NOOP("frmPaint", "Drag to change the size of the picture")));
    for (size_t i = 0; i < imgBezier.size(); ++i)
        describeAccessible(imgBezier[i], QAccessible::Grip, fixed(CurveHandleNames[i]),
                           fixed(QT_TRANSLATE_NOOP("frmPaint", "Drag to move this point of the curve")));
    describeAccessible(sta, QAccessible::StatusBar, fixed(QT_TRANSLATE_NOOP("frmPaint", "Status bar")),
                       [this] { return sta->panelText(1); });

    // The tab order of the layout: left, middle, bottom.
    QWidgetList chain = m_toolGrid->tabChain();
    for (CellGrid *panel : {m_dotGrid, m_brushGrid, m_fillGrid})
        chain += panel->tabChain();
    chain.push_back(picPaintView);
    chain += m_colorGrid->tabChain();
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
    followChoices();
}

// The groups' tab stops on the choices in force, where Tab enters them.
void frmPaint::followChoices()
{
    if (!m_toolGrid)
        return;
    m_toolGrid->setCurrent(m_model.pressedTool());
    m_dotGrid->setCurrent(m_model.DotIndex);
    m_brushGrid->setCurrent(m_model.BrushIndex);
    m_fillGrid->setCurrent(m_model.FillOption);
}

}  // namespace pinxel
