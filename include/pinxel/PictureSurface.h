#pragma once
/// \file
/// \brief pinxel::PictureSurface: a raster the editor draws on and reads.
///
/// A picture surface: a raster the editor draws on and reads, with the pen,
/// fill and geometry properties of a picture box. The canvas picPaint, the undo
/// slots, the clipboard, the floating selection and the zoom store are all
/// surfaces. The raster is a QImage in RGB32; colours cross this API packed
/// (red + 256 x green + 65536 x blue).
///
/// Drawing never repaints by itself: every operation records the area it
/// changed, a view is told of it once control returns to the event loop, and
/// Refresh() asks the view to repaint the recorded area at once.

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

/// ScaleMode values: the unit of a surface's drawing coordinates.
enum ScaleModeValue {
    ScaleTwips = 1,  ///< twips, 1/1440 inch (twipsPerPixelX() of them a pixel)
    ScalePixels = 3  ///< pixels
};
/// DrawMode values.
enum DrawModeValue {
    DrawModeXorPen = 7,   ///< XOR pen: the same figure drawn twice gives the pixels back
    DrawModeCopyPen = 13  ///< copy pen: the pen's colour replaces the pixels
};
/// DrawStyle values: the line style of figures; the dashes grow with DrawWidth.
enum DrawStyleValue {
    StyleSolid = 0,      ///< solid
    StyleDash = 1,       ///< dashes
    StyleDot = 2,        ///< dots
    StyleDashDot = 3,    ///< dash, dot
    StyleDashDotDot = 4  ///< dash, dot, dot
};
/// FillStyle values: how a closed figure's inside is filled with FillColor.
enum FillStyleValue {
    FillSolid = 0,             ///< solid
    FillTransparent = 1,       ///< not filled
    FillHorizontal = 2,        ///< horizontal lines
    FillVertical = 3,          ///< vertical lines
    FillUpwardDiagonal = 4,    ///< diagonal lines rising to the right
    FillDownwardDiagonal = 5,  ///< diagonal lines falling to the right
    FillCross = 6,             ///< horizontal and vertical lines
    FillDiagonalCross = 7,     ///< both diagonals
};
/// \name Raster operations of PaintPicture
///@{

/// The source replaces the destination.
inline constexpr int RopSourceCopy = 13369376;
/// source XOR destination
inline constexpr int RopSourceInvert = 6684742;  // source XOR destination
///@}

/// \name ExtFloodFill types
///@{

/// Fills outward until the border colour given.
inline constexpr int FloodFillBorder = 0;
/// Fills the connected area of the colour given.
inline constexpr int FloodFillSurface = 1;
///@}

/// The form of PictureSurface::Line().
enum class LineForm {
    Plain,     ///< a line
    Box,       ///< a rectangle with the two points as corners, its inside per FillStyle and FillColor
    FilledBox  ///< a rectangle filled with the line's colour
};

/// The largest raster a surface holds (400 MB in RGB32).
inline constexpr std::int64_t MaxSurfacePixels = 100'000'000;

/// A raster the editor draws on and reads, with the pen, fill and geometry
/// properties of a picture box; SurfaceView shows it.
///
/// Coordinates of the drawing calls are in the surface's scale units
/// (ScaleMode: twips or pixels), converted to pixels to the nearest, halves
/// to even; the device context calls take pixels. Drawing outside the
/// raster is clipped. A coordinate beyond 32 bits raises pinxel::Error 6
/// (Overflow); a raster larger than MaxSurfacePixels, or one that cannot be
/// allocated, raises 7 (Out of memory).
///
/// A surface belongs to the thread it lives in (the GUI thread for the
/// editor's): its change notices are posted to that thread's event loop, and
/// nothing in it is locked. The library's filters work on raster() in bands
/// of rows on several cores, within one call from that thread.
class PictureSurface : public QObject {
    Q_OBJECT
public:
    /// A surface of 1 × 1 pixel in BackColor (white), visible, without border.
    explicit PictureSurface(QObject *parent = nullptr);
    ~PictureSurface() override;

    /// \name Pen, fill and text state
    /// Plain values read by every drawing call.
    ///@{

    Color ForeColor = 0;              ///< The pen's colour, packed (black).
    Color BackColor = 0xFFFFFF;       ///< The background: Cls(), new raster area, an empty picture (white).
    Color FillColor = 0;              ///< The colour of fills (FillStyle, ExtFloodFill()).
    int DrawWidth = 1;                ///< pixels; values below 1 draw as 1
    int DrawStyle = StyleSolid;       ///< 0..4 (DrawStyleValue)
    int DrawMode = DrawModeCopyPen;   ///< 13 copy or 7 XOR
    int FillStyle = FillTransparent;  ///< How closed figures are filled (FillStyleValue).
    QFont Font;                       ///< The font of Print().
    double CurrentX = 0.0;            ///< scale units: where the last figure ended, where Print() writes
    double CurrentY = 0.0;            ///< scale units, as CurrentX
    QString Tag;                      ///< Free text for the surface's owner.
    bool AutoSize = false;            ///< assigning a picture sizes the surface to it
    ///@}

    /// \name Geometry
    /// In the container's scale units (twips unless the
    /// container draws in pixels, as the canvas does for picSelect).
    /// Width and Height include the border.
    ///@{

    /// The left edge in the container.
    double Left() const { return m_left; }
    /// The top edge in the container.
    double Top() const { return m_top; }
    /// The outer width: the raster's and the border's.
    double Width() const;
    /// The outer height: the raster's and the border's.
    double Height() const;
    /// Moves the left edge. \throws Error 6 for a coordinate beyond 32 bits.
    void setLeft(double left) { Move(left, m_top); }
    /// Moves the top edge. \throws Error 6 for a coordinate beyond 32 bits.
    void setTop(double top) { Move(m_left, top); }
    /// Sets the outer width, resizing the raster. \throws Error 6, 7 as Move().
    void setWidth(double width) { Move(m_left, m_top, width, Height()); }
    /// Sets the outer height, resizing the raster. \throws Error 6, 7 as Move().
    void setHeight(double height) { Move(m_left, m_top, Width(), height); }
    /// Places and sizes the element; a new size resizes the raster, keeping
    /// the pixels that still fit, new area in BackColor.
    /// Width and height below zero keep the present value.
    /// \throws Error 6 for a size beyond 32 bits in pixels, 7 for a raster
    /// beyond MaxSurfacePixels or one that cannot be allocated.
    void Move(double left, double top, double width = -1.0, double height = -1.0);
    /// The container's scale mode (ScaleModeValue): the unit of Left, Top, Width and Height.
    int ContainerScaleMode = ScaleTwips;

    /// Whether a view shows the surface.
    bool Visible() const { return m_visible; }
    /// Shows or hides the surface in its view.
    void setVisible(bool visible);

    /// Border: 0 none, 1 fixed single (Appearance 1 draws it 3D, 2 pixels; flat 1 pixel).
    int BorderStyle() const { return m_borderStyle; }
    /// Sets the border (any non-zero value is 1); the outer size stays, the raster gives way.
    void setBorderStyle(int style);
    /// 0 flat, 1 three-dimensional border (the default).
    int Appearance() const { return m_appearance; }
    /// Sets the border's look (any non-zero value is 1); the outer size stays, the raster gives way.
    void setAppearance(int appearance);
    /// The border's width in pixels: 0, 1 (flat) or 2 (three-dimensional).
    int borderPixels() const;
    ///@}

    /// \name Scale
    ///@{

    /// The unit of the drawing calls (ScaleModeValue); twips by default.
    int ScaleMode() const { return m_scaleMode; }
    /// Sets the unit: ScaleTwips for 1, ScalePixels for any other value.
    void setScaleMode(int mode);
    /// The raster's width in scale units.
    double ScaleWidth() const;
    /// The raster's height in scale units.
    double ScaleHeight() const;
    ///@}

    /// \name Picture and raster
    ///@{

    /// Replaces the raster; an empty picture clears it to BackColor.
    ///
    /// With AutoSize the raster takes the picture's size (an RGB32 picture is
    /// shared until one side draws); without, the picture is drawn into the
    /// raster at its top left corner.
    /// \throws Error 7 with AutoSize for a picture beyond MaxSurfacePixels.
    void setPicture(const QImage &picture);
    /// As setPicture, but the surface keeps pixels of its own: a copy that
    /// reuses the raster's memory when the size matches, so that neither side
    /// pays a copy later when the other draws (undo snapshots).
    /// \throws Error 7 as setPicture().
    void copyPicture(const QImage &picture);
    /// The raster, as a picture.
    const QImage &Picture() const { return m_raster; }
    /// The raster with every drawing, the same as Picture().
    const QImage &Image() const { return m_raster; }
    /// Resizes the drawable area in pixels (and the element with it), keeping
    /// the pixels that still fit; new area takes BackColor.
    /// \throws Error 7 beyond MaxSurfacePixels or when it cannot be allocated.
    void setPixelSize(int width, int height);
    /// The raster's width in pixels.
    int pixelWidth() const { return m_raster.width(); }
    /// The raster's height in pixels.
    int pixelHeight() const { return m_raster.height(); }
    /// Clears to BackColor and puts CurrentX, CurrentY at 0.
    void Cls();
    ///@}

    /// \name Drawing, in scale units
    /// With the pen (ForeColor unless a colour is given, DrawWidth,
    /// DrawStyle, DrawMode) and the fill (FillStyle, FillColor). Each throws
    /// pinxel::Error 6 for a coordinate beyond 32 bits in pixels.
    ///@{

    /// A line from (x1, y1) to (x2, y2), or a box with them as corners
    /// (LineForm); CurrentX, CurrentY move to (x2, y2).
    void Line(double x1, double y1, double x2, double y2, std::optional<Color> color = std::nullopt,
              LineForm form = LineForm::Plain);
    /// Several lines, in pixels, drawn as one figure (see SurfaceFigures.cpp).
    /// In XOR mode a pixel where they meet is inverted once, so a second
    /// drawing removes the figure.
    void Lines(std::span<const QLine> lines, std::optional<Color> color = std::nullopt);
    /// An ellipse around (x, y), filled per FillStyle.
    /// Aspect is height / width; above 1 the radius is the vertical one.
    void Circle(double x, double y, double radius, std::optional<Color> color = std::nullopt, double aspect = 1.0);
    /// A dot at (x, y), DrawWidth wide; CurrentX, CurrentY move there.
    void PSet(double x, double y, std::optional<Color> color = std::nullopt);
    /// The colour at (x, y); NoColor (-1) outside the raster.
    Color Point(double x, double y) const;
    /// Writes text at CurrentX, CurrentY (its top) and moves to the next line.
    /// The draw mode does not apply to text.
    void Print(const QString &text);
    /// Draws a part of a picture, scaled, at (x, y): the source rectangle
    /// (srcX, srcY, srcWidth, srcHeight) into (x, y, width, height), with
    /// rasterOp RopSourceCopy or RopSourceInvert. A null picture draws nothing.
    /// Negative widths or heights mirror. Omitted sizes take the picture's.
    void PaintPicture(const QImage &picture, double x, double y, std::optional<double> width = std::nullopt,
                      std::optional<double> height = std::nullopt, double srcX = 0.0, double srcY = 0.0,
                      std::optional<double> srcWidth = std::nullopt, std::optional<double> srcHeight = std::nullopt,
                      int rasterOp = RopSourceCopy);
    ///@}

    /// \name Device context calls
    /// Always in pixels, shown without a Refresh.
    ///@{

    /// Sets one pixel; ignored outside the raster.
    void SetPixel(int x, int y, Color color);
    /// One pixel's colour; NoColor (-1) outside the raster.
    Color GetPixel(int x, int y) const;
    /// Fills with the current FillColor and FillStyle.
    /// fillType FloodFillSurface fills the connected area of color around (x,
    /// y), FloodFillBorder the area up to the border colour color. Nothing
    /// outside the raster or with FillTransparent.
    void ExtFloodFill(int x, int y, Color color, int fillType);
    /// A closed polygon through the points, outlined with the pen and filled per FillStyle.
    void Polygon(std::span<const QPoint> points);
    /// A Bézier curve through start, two control points and end (four
    /// points, or 3n + 1 for n joined curves; any other count draws nothing), with the pen.
    void PolyBezier(std::span<const QPoint> points);
    /// A rectangle with rounded corners of the given ellipse size, outlined
    /// with the pen and filled per FillStyle.
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    ///@}

    /// Asks the view to repaint what changed since the last Refresh, now.
    void Refresh();

    /// \name For code that works on the raster directly (filters, effects)
    ///@{

    /// The raster to change in place; record what changed with markChanged().
    QImage &raster() { return m_raster; }
    /// Records a changed area of the raster, in pixels.
    void markChanged(const QRect &pixels);
    /// Records a changed region of the raster, in pixels.
    void markChanged(const QRegion &pixels);
    /// What changed since the last Refresh or notification, in pixels.
    QRegion pendingChanges() const;
    /// When each tile last changed: every markChanged stamps the tiles it covers.
    const TileStamps &tileStamps() const { return m_tileStamps; }
    ///@}

    /// \name Scale units <-> pixels
    ///@{

    /// A coordinate across in scale units to pixels, to the nearest.
    /// \throws Error 6 beyond 32 bits.
    int toPixelX(double x) const;
    /// A coordinate down in scale units to pixels, to the nearest.
    /// \throws Error 6 beyond 32 bits.
    int toPixelY(double y) const;
    /// Pixels across to scale units.
    double fromPixelX(double px) const;
    /// Pixels down to scale units.
    double fromPixelY(double py) const;
    ///@}

signals:
    /// Pixels changed; a view repaints the region when it next paints.
    /// Posted once control returns to the event loop, for all changes since.
    void changed(const QRegion &pixels);
    /// Refresh(): a view repaints the region before returning.
    void refreshRequested(const QRegion &pixels);
    /// Position, size, border or visibility changed.
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

/// The 8 x 8 hatch of a FillStyle: true where the hatch draws at (x, y) of the surface.
bool hatchCovers(int fillStyle, int x, int y);

}  // namespace pinxel
