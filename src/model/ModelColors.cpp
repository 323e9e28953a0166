// The colour palette (26 colours), the foreground and fill colours with the
// colour dialog behind them, and the Border Style and Fill Style choices.

#include "model/EditorModel.h"

#include "document/mdlGeneral.h"

namespace pinxel {

namespace {

constexpr Color PaletteColors[EditorModel::PaletteSize] = {
    composeColor(0, 0, 0),       composeColor(255, 255, 255), composeColor(128, 128, 128), composeColor(192, 192, 192),
    composeColor(128, 0, 0),     composeColor(255, 0, 0),     composeColor(128, 128, 0),   composeColor(255, 255, 0),
    composeColor(0, 128, 0),     composeColor(0, 255, 0),     composeColor(0, 128, 128),   composeColor(0, 255, 255),
    composeColor(0, 0, 128),     composeColor(0, 0, 255),     composeColor(128, 0, 128),   composeColor(255, 0, 255),
    composeColor(64, 64, 0),     composeColor(255, 255, 192), composeColor(0, 64, 0),      composeColor(128, 255, 128),
    composeColor(128, 128, 255), composeColor(192, 255, 255), composeColor(64, 0, 64),     composeColor(255, 128, 255),
    composeColor(128, 64, 0),    composeColor(255, 128, 0),
};

QStringList indexedItems(const char *array, int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(i);
    return names;
}

}  // namespace

Color EditorModel::paletteColor(int index)
{
    if (index < 0 || index >= PaletteSize)
        throw Error(ErrSubscriptOutOfRange);
    return PaletteColors[index];
}

void EditorModel::setForegroundColor(Color color)
{
    m_foreColor = color;
    emit colorsChanged();
}

void EditorModel::setFillColor(Color color)
{
    m_fillColor = color;
    emit colorsChanged();
}

void EditorModel::SetForeColor(Color color)
{
    // An open figure's preview was drawn with the old pen: it goes first and
    // comes back in the new colour.
    toolBox.aroundPenChange([&] {
        setForegroundColor(color);
        picPaint.DrawMode = DrawModeXorPen;
        picPaint.ForeColor = color ^ picPaint.BackColor;
    });
}

void EditorModel::pickPaletteColor(int index, int button)
{
    const Color color = paletteColor(index);
    if (button == 1)
        SetForeColor(color);
    else if (button == 2)
        setFillColor(color);
}

// One colour dialog for both colours, never preset: it opens on the colour
// last taken from it, and a cancel gives that colour back.
void EditorModel::chooseForegroundColor()
{
    host().ShowColor(cdlColor);
    SetForeColor(cdlColor.Color);
}

void EditorModel::chooseFillColor()
{
    host().ShowColor(cdlColor);
    setFillColor(cdlColor.Color);
}

void EditorModel::chooseBorderStyle(int index)
{
    LineDrawStyle = std::int16_t(index);
    checkOneOf(indexedItems("mnuBS", 5), QStringLiteral("mnuBS(%1)").arg(index));
}

void EditorModel::chooseFillStyle(int index)
{
    ShapeFillStyle = std::int16_t(index);
    checkOneOf(indexedItems("mnuFS", 8), QStringLiteral("mnuFS(%1)").arg(index));
}

}  // namespace pinxel
