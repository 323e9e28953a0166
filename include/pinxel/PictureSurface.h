#pragma once
// A picture surface: a raster the editor draws on and reads, with the pen,
// fill and geometry properties of a picture box. The canvas picPaint, the undo
// slots, the clipboard, the floating selection and the zoom store are all
// surfaces. The raster is a QImage in RGB32; colours cross this API packed
// (red + 256 x green + 65536 x blue).
//
// Drawing never repaints by itself: every operation records the area it
// changed, a view is told of it once control returns to the event loop, and
// Refresh() asks the view to repaint the recorded area at once.

#include "pinxel/Numeric.h"
#include "pinxel/TileStamps.h"

#include <QFont>
#include <QImage>
#include <QLine>
#include <QObject>
#include <QPoint>
#include <QRegion>
#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

class QPainter;
class QColor;
class QPainterPath;
class QPen;

namespace pinxel {

enum ScaleModeValue {
    ScaleTwips = 1,
    ScalePixels = 3
};
enum DrawModeValue {
    DrawModeXorPen = 7,
    DrawModeCopyPen = 13
};
enum DrawStyleValue {
    StyleSolid = 0,
    StyleDash = 1,
    StyleDot = 2,
    StyleDashDot = 3,
    StyleDashDotDot = 4
};
enum FillStyleValue {
    FillSolid = 0,
    FillTransparent = 1,
    FillHorizontal = 2,
    FillVertical = 3,
    FillUpwardDiagonal = 4,
    FillDownwardDiagonal = 5,
    FillCross = 6,
    FillDiagonalCross = 7,
};
// Raster operations of PaintPicture.
inline constexpr int RopSourceCopy = 13369376;
inline constexpr int RopSourceInvert = 6684742;  // source XOR destination
// ExtFloodFill types.
inline constexpr int FloodFillBorder = 0;
inline constexpr int FloodFillSurface = 1;

enum class LineForm {
    Plain,
    Box,
    FilledBox
};

// The largest raster a surface holds (400 MB in RGB32).
inline constexpr std::int64_t MaxSurfacePixels = 100'000'000;

class PictureSurface : public QObject {
    Q_OBJECT
public:
    explicit PictureSurface(QObject *parent = nullptr);
    ~PictureSurface() override;

    // --- Pen, fill and text state: plain values read by every drawing call.
    Color ForeColor = 0;
    Color BackColor = 0xFFFFFF;
    Color FillColor = 0;
    int DrawWidth = 1;               // pixels; values below 1 draw as 1
    int DrawStyle = StyleSolid;      // 0..4
    int DrawMode = DrawModeCopyPen;  // 13 copy or 7 XOR
    int FillStyle = FillTransparent;
    QFont Font;
    double CurrentX = 0.0;  // scale units
    double CurrentY = 0.0;
    QString Tag;
    bool AutoSize = false;  // assigning a picture sizes the surface to it

    // --- Geometry, in the container's scale units (twips unless the
    // container draws in pixels, as the canvas does for picSelect).
    double Left() const { return m_left; }
    double Top() const { return m_top; }
    double Width() const;
    double Height() const;
    void setLeft(double left) { Move(left, m_top); }
    void setTop(double top) { Move(m_left, top); }
    void setWidth(double width) { Move(m_left, m_top, width, Height()); }
    void setHeight(double height) { Move(m_left, m_top, Width(), height); }
    // Width and height below zero keep the present value.
    void Move(double left, double top, double width = -1.0, double height = -1.0);
    int ContainerScaleMode = ScaleTwips;

    bool Visible() const { return m_visible; }
    void setVisible(bool visible);

    // Border: 0 none, 1 fixed single (Appearance 1 draws it 3D, 2 pixels; flat 1 pixel).
    int BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);
    int Appearance() const { return m_appearance; }
    void setAppearance(int appearance);
    int borderPixels() const;

    // --- Scale.
    int ScaleMode() const { return m_scaleMode; }
    void setScaleMode(int mode);
    double ScaleWidth() const;
    double ScaleHeight() const;

    // --- Picture and raster.
    // Replaces the raster; an empty picture clears it to BackColor.
    void setPicture(const QImage &picture);
    // As setPicture, but the surface keeps pixels of its own: a copy that
    // reuses the raster's memory when the size matches, so that neither side
    // pays a copy later when the other draws (undo snapshots).
    void copyPicture(const QImage &picture);
    const QImage &Picture() const { return m_raster; }
    const QImage &Image() const { return m_raster; }
    // Resizes the drawable area in pixels (and the element with it), keeping
    // the pixels that still fit; new area takes BackColor.
    void setPixelSize(int width, int height);
    int pixelWidth() const { return m_raster.width(); }
    int pixelHeight() const { return m_raster.height(); }
    // Clears to BackColor and puts CurrentX, CurrentY at 0.
    void Cls();

    // --- Drawing, in scale units.
    void Line(double x1, double y1, double x2, double y2, std::optional<Color> color = std::nullopt,
              LineForm form = LineForm::Plain);
    // Several lines, in pixels, drawn as one figure (see SurfaceFigures.cpp).
    void Lines(std::span<const QLine> lines, std::optional<Color> color = std::nullopt);
    // Aspect is height / width; above 1 the radius is the vertical one.
    void Circle(double x, double y, double radius, std::optional<Color> color = std::nullopt, double aspect = 1.0);
    void PSet(double x, double y, std::optional<Color> color = std::nullopt);
    Color Point(double x, double y) const;
    // Writes text at CurrentX, CurrentY (its top) and moves to the next line.
    // The draw mode does not apply to text.
    void Print(const QString &text);
    // Negative widths or heights mirror. Omitted sizes take the picture's.
    void PaintPicture(const QImage &picture, double x, double y, std::optional<double> width = std::nullopt,
                      std::optional<double> height = std::nullopt, double srcX = 0.0, double srcY = 0.0,
                      std::optional<double> srcWidth = std::nullopt, std::optional<double> srcHeight = std::nullopt,
                      int rasterOp = RopSourceCopy);

    // --- Device context calls, always in pixels, shown without a Refresh.
    void SetPixel(int x, int y, Color color);
    Color GetPixel(int x, int y) const;
    // Fills with the current FillColor and FillStyle.
    void ExtFloodFill(int x, int y, Color color, int fillType);
    void Polygon(std::span<const QPoint> points);
    void PolyBezier(std::span<const QPoint> points);
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);

    // Asks the view to repaint what changed since the last Refresh, now.
    void Refresh();

    // --- For code that works on the raster directly (filters, effects).
    QImage &raster() { return m_raster; }
    // Records a changed area of the raster, in pixels.
    void markChanged(const QRect &pixels);
    void markChanged(const QRegion &pixels);
    // What changed since the last Refresh or notification, in pixels.
    QRegion pendingChanges() const;
    // When each tile last changed: every markChanged stamps the tiles it covers.
    const TileStamps &tileStamps() const { return m_tileStamps; }

    // Scale units <-> pixels.
    int toPixelX(double x) const;
    int toPixelY(double y) const;
    double fromPixelX(double px) const;
    double fromPixelY(double py) const;

signals:
    // Pixels changed; a view repaints the region when it next paints.
    void changed(const QRegion &pixels);
    // Refresh(): a view repaints the region before returning.
    void refreshRequested(const QRegion &pixels);
    // Position, size, border or visibility changed.
    void geometryChanged();

private:
    class Painting;
    friend class Painting;

    void scheduleNotify();
    void notifyChanged();
    void resizeRaster(int width, int height);
    void paintBox(int x1, int y1, int x2, int y2, Color lineColor, LineForm form);
    void paintDot(int x, int y, Color color);
    void paintDashedBoxEdges(Painting &painting, int x1, int y1, int x2, int y2, const std::vector<int> &dashes,
                             const QColor &ink);
    QPen makePen(Color color) const;
    // Brings the corners of a box far outside the raster to within 65536
    // pixels of it: its visible edges stay where they are (a dash pattern may
    // start elsewhere along them) and its sizes fit in 32 bits.
    void keepNearRaster(int &x1, int &y1, int &x2, int &y2) const;
    // The painting bounds of a figure with the pen's margin, clipped near the raster.
    QRect penBounds(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) const;
    QRect penBounds(const QRect &pixels) const;
    void strokeFigure(Painting &painting, const QPainterPath &path, Color color);
    double containerUnitsPerPixelX() const;
    double containerUnitsPerPixelY() const;

    QImage m_raster;
    double m_left = 0.0;
    double m_top = 0.0;
    bool m_visible = true;
    int m_borderStyle = 0;
    int m_appearance = 1;
    int m_scaleMode = ScaleTwips;

    std::vector<QRgb> m_overlayStore;  // reused by XOR drawing
    QRegion m_dirty;
    TileStamps m_tileStamps;
    QRect m_dirtyBox;  // small changes gather here before joining m_dirty
    bool m_notifyScheduled = false;
};

// The 8 x 8 hatch of a FillStyle: true where the hatch draws at (x, y) of the surface.
bool hatchCovers(int fillStyle, int x, int y);

}  // namespace pinxel
