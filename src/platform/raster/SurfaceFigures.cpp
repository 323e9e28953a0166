// Figures on a picture surface: lines, boxes, ellipses, polygons, Bezier
// curves, rounded rectangles, dots and text.
//
// Pixel rules, the same in both draw modes so that a preview matches the
// final figure:
// - coordinates name pixels; a figure runs through pixel centres;
// - a line covers both end points; wide solid lines have round caps;
// - a box from (x1, y1) to (x2, y2) covers x1..x2 and y1..y2 with a 1-pixel
//   pen; a wider pen grows it by (w - 1) / 2 outwards on the top-left and by
//   the rest on the bottom-right, so a zero-size box is a w x w square;
// - dashes keep their pixel lengths up to width 3 and grow in proportion to
//   the pen beyond it, with flat ends: a wide dash never turns into a bar;
// - hatches are 8 x 8 patterns fixed to the surface's origin; their gaps are
//   left untouched.
// In XOR mode (7) the whole figure, outline and fill, is XORed onto the
// raster once (SurfacePainting.h): the figure shows without gaps where pen and
// fill overlap, and drawing it a second time restores every pixel.

#include "pinxel/PictureSurface.h"
#include "platform/raster/SurfacePainting.h"

#include "pinxel/Screen.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace pinxel {

bool hatchCovers(int fillStyle, int x, int y)
{
    const int u = x & 7, v = y & 7;
    switch (fillStyle) {
    case FillHorizontal:
        return v == 0;
    case FillVertical:
        return u == 0;
    case FillUpwardDiagonal:
        return ((u + v) & 7) == 7;
    case FillDownwardDiagonal:
        return u == v;
    case FillCross:
        return u == 0 || v == 0;
    case FillDiagonalCross:
        return u == v || ((u + v) & 7) == 7;
    default:
        return fillStyle == FillSolid;
    }
}

using figures::qColor;

namespace {

// The on and off lengths of a line style, in pixels, for a pen width:
// the classic lengths up to width 3, then in proportion to the pen.
std::vector<int> dashLengths(int drawStyle, int width)
{
    static const std::array<std::vector<int>, 5> base = {std::vector<int>{}, std::vector<int>{18, 6},
                                                         std::vector<int>{3, 3}, std::vector<int>{9, 6, 3, 6},
                                                         std::vector<int>{9, 3, 3, 3, 3, 3}};
    if (drawStyle < StyleDash || drawStyle > StyleDashDotDot)
        return {};
    std::vector<int> lengths;
    for (int length : base[size_t(drawStyle)])
        lengths.push_back(std::max(length, (length * width + 2) / 3));
    return lengths;
}

// Where the edges of a box outline drawn with a pen of width w may overlap
// one another: the pen squares at its corners, or the whole outline when
// opposite edges come closer than the pen is wide.
QRegion boxCorners(int x1, int y1, int x2, int y2, int w)
{
    const int lo = (w - 1) / 2, hi = w - 1 - lo;
    if (x2 - x1 < w || y2 - y1 < w)
        return QRegion(QRect(QPoint(x1 - lo, y1 - lo), QPoint(x2 + hi, y2 + hi)));
    QRegion corners;
    for (const QPoint &corner : {QPoint(x1, y1), QPoint(x2, y1), QPoint(x2, y2), QPoint(x1, y2)})
        corners += QRect(corner - QPoint(lo, lo), QSize(w, w));
    return corners;
}

// Walks a dash pattern one pixel at a time along a one-pixel line.
class DashWalker {
public:
    explicit DashWalker(std::vector<int> lengths) : m_lengths(std::move(lengths))
    {
        if (!m_lengths.empty())
            m_left = m_lengths[0];
    }
    // Whether the next pixel is drawn.
    bool step()
    {
        if (m_lengths.empty())
            return true;
        const bool on = (m_index % 2) == 0;
        if (--m_left == 0) {
            m_index = (m_index + 1) % m_lengths.size();
            m_left = m_lengths[m_index];
        }
        return on;
    }
    // Moves on as count steps would, without walking them.
    void skip(std::int64_t count)
    {
        if (m_lengths.empty() || count <= 0)
            return;
        std::int64_t period = 0;
        for (int length : m_lengths)
            period += length;
        count %= period;
        while (count >= m_left) {
            count -= m_left;
            m_index = (m_index + 1) % m_lengths.size();
            m_left = m_lengths[m_index];
        }
        m_left -= int(count);
    }

private:
    std::vector<int> m_lengths;
    size_t m_index = 0;
    int m_left = 0;
};

// A pixel of a one-pixel stroke, in 64 bits: a pointer far outside the
// picture gives end points whose differences do not fit in 32.
struct Pixel {
    std::int64_t x = 0, y = 0;
};

std::int64_t nearestPixel(double v)
{
    constexpr double Far = double(std::int64_t(1) << 40);
    return std::isnan(v) ? 0 : std::llround(std::clamp(v, -Far, Far));
}

// Bresenham from one pixel to another, both ends included unless the start
// was the previous segment's end, plotting only where the painting can show
// pixels. Pixel k along the major axis lies (2 minor k + major) / (2 major)
// pixels along the minor one (rounded down), exactly as stepping finds it;
// so the walk starts where the segment enters the painting and stops where it
// leaves, and a segment running far outside costs what its visible part costs.
// The dash pattern moves on over the skipped pixels.
template <class Plot>
void stepSegment(const QRect &clip, DashWalker &dashes, Pixel from, Pixel to, bool includeStart, const Plot &plot)
{
    using Wide = __int128;
    const std::int64_t dx = std::abs(to.x - from.x), dy = std::abs(to.y - from.y);
    const int sx = from.x < to.x ? 1 : -1, sy = from.y < to.y ? 1 : -1;
    const bool xMajor = dx >= dy;
    const std::int64_t major = std::max(dx, dy), minor = std::min(dx, dy);
    const std::int64_t first = includeStart ? 0 : 1;
    if (first > major)
        return;
    // The steps whose major coordinate lies in the clip.
    const auto range = [](std::int64_t start, int step, std::int64_t lo, std::int64_t hi) {
        const std::int64_t a = (lo - start) * step, b = (hi - start) * step;
        return std::pair{std::min(a, b), std::max(a, b)};
    };
    auto [kFrom, kTo] =
        xMajor ? range(from.x, sx, clip.left(), clip.right()) : range(from.y, sy, clip.top(), clip.bottom());
    kFrom = std::max(kFrom, first);
    kTo = std::min(kTo, major);
    // The steps whose minor offset m lies in the clip: m(k) rises with k.
    auto [mFrom, mTo] =
        xMajor ? range(from.y, sy, clip.top(), clip.bottom()) : range(from.x, sx, clip.left(), clip.right());
    if (minor == 0) {
        if (mFrom > 0 || mTo < 0)
            kTo = kFrom - 1;
    } else {
        const auto ceilDiv = [](Wide a, Wide b) { return a >= 0 ? (a + b - 1) / b : -((-a) / b); };
        // m(k) >= mFrom from this step on, m(k) <= mTo up to the step before the next.
        const Wide lowest = ceilDiv(Wide(2) * major * mFrom - major, Wide(2) * minor);
        const Wide beyond = ceilDiv(Wide(2) * major * (Wide(mTo) + 1) - major, Wide(2) * minor);
        kFrom = std::int64_t(std::max<Wide>(kFrom, lowest));
        kTo = std::int64_t(std::min<Wide>(kTo, beyond - 1));
    }
    if (kFrom > kTo) {
        dashes.skip(major - first + 1);
        return;
    }
    dashes.skip(kFrom - first);
    const std::int64_t m = major == 0 ? 0 : std::int64_t((Wide(2) * minor * kFrom + major) / (Wide(2) * major));
    const std::int64_t xSteps = xMajor ? kFrom : m, ySteps = xMajor ? m : kFrom;
    std::int64_t x = from.x + sx * xSteps, y = from.y + sy * ySteps;
    std::int64_t err = std::int64_t(Wide(dx) - dy - Wide(xSteps) * dy + Wide(ySteps) * dx);
    for (std::int64_t k = kFrom;; ++k) {
        if (dashes.step())
            plot(int(x), int(y));
        if (k == kTo)
            break;
        const std::int64_t e2 = 2 * err;
        if (e2 >= -dy) {
            err -= dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    dashes.skip(major - kTo);
}

}  // namespace

QPen PictureSurface::makePen(Color color) const
{
    const int w = std::max(1, DrawWidth);
    QPen pen(qColor(color));
    pen.setWidth(w);
    const std::vector<int> dashes = dashLengths(DrawStyle, w);
    if (!dashes.empty()) {
        QList<qreal> pattern;
        for (int length : dashes)
            pattern << qreal(length) / w;  // Qt counts in pen widths
        pen.setDashPattern(pattern);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
    } else {
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    return pen;
}

QRect PictureSurface::penBounds(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) const
{
    // Worked out in 64 bits and kept within a pen's reach of the raster: the
    // corners may lie anywhere a pointer can go.
    const int margin = std::max(1, DrawWidth) + 2;
    const QRect reach = m_raster.rect().adjusted(-margin, -margin, margin, margin);
    const auto within = [](std::int64_t v, int lo, int hi) { return int(std::clamp<std::int64_t>(v, lo, hi)); };
    const std::int64_t left = std::min(x1, x2) - margin, right = std::max(x1, x2) + margin;
    const std::int64_t top = std::min(y1, y2) - margin, bottom = std::max(y1, y2) + margin;
    if (right < reach.left() || left > reach.right() || bottom < reach.top() || top > reach.bottom())
        return QRect();
    return QRect(QPoint(within(left, reach.left(), reach.right()), within(top, reach.top(), reach.bottom())),
                 QPoint(within(right, reach.left(), reach.right()), within(bottom, reach.top(), reach.bottom())));
}

void PictureSurface::keepNearRaster(int &x1, int &y1, int &x2, int &y2) const
{
    constexpr int Reach = 1 << 16;
    const auto near = [](int &v, int size) { v = std::clamp(v, -Reach, size + Reach); };
    near(x1, m_raster.width());
    near(x2, m_raster.width());
    near(y1, m_raster.height());
    near(y2, m_raster.height());
}

QRect PictureSurface::penBounds(const QRect &pixels) const
{
    return penBounds(pixels.left(), pixels.top(), pixels.right(), pixels.bottom());
}

// Draws the outline of a path that runs through pixel coordinates. A one-pixel
// pen steps from pixel to pixel itself, covering every vertex and counting
// dashes in pixels; a wider pen is Qt's stroke centred on the pixel centres.
void PictureSurface::strokeFigure(Painting &painting, const QPainterPath &path, Color color)
{
    if (std::max(1, DrawWidth) > 1) {
        painting.strokePath(path.translated(0.5, 0.5), makePen(color));
        return;
    }
    painting.reserve(path, 1, false);
    const QRgb ink = toQRgb(color);
    const std::vector<int> pattern = dashLengths(DrawStyle, 1);
    DashWalker dashes(pattern);
    const QRect clip = painting.bounds();
    const auto plot = [&](int x, int y) { painting.plot(x, y, ink); };
    for (const QPolygonF &polygon : path.toSubpathPolygons()) {
        dashes = DashWalker(pattern);  // each stroke starts its own pattern, as separate lines would
        bool first = true;
        Pixel last;
        for (const QPointF &pointF : polygon) {
            const Pixel point{nearestPixel(pointF.x()), nearestPixel(pointF.y())};
            if (first) {
                stepSegment(clip, dashes, point, point, true, plot);
                first = false;
            } else if (point.x != last.x || point.y != last.y) {
                stepSegment(clip, dashes, last, point, false, plot);
            }
            last = point;
        }
    }
}

void PictureSurface::paintDot(int x, int y, Color color)
{
    const int w = std::max(1, DrawWidth);
    Painting painting(*this, penBounds(QRect(x, y, 1, 1)));
    if (!painting.active())
        return;
    if (w == 1) {
        painting.plot(x, y, toQRgb(color));
        return;
    }
    painting.fillDisc(QPointF(x + 0.5, y + 0.5), w / 2.0, qColor(color));
}

void PictureSurface::Line(double x1, double y1, double x2, double y2, std::optional<Color> color, LineForm form)
{
    const int px1 = toPixelX(x1), py1 = toPixelY(y1), px2 = toPixelX(x2), py2 = toPixelY(y2);
    CurrentX = x2;
    CurrentY = y2;
    const Color c = color.value_or(ForeColor);
    if (form != LineForm::Plain) {
        paintBox(px1, py1, px2, py2, c, form);
        return;
    }
    if (px1 == px2 && py1 == py2) {
        paintDot(px1, py1, c);
        return;
    }
    Painting painting(*this, penBounds(px1, py1, px2, py2));
    if (!painting.active())
        return;
    QPainterPath path(QPointF(px1, py1));
    path.lineTo(px2, py2);
    strokeFigure(painting, path, c);
}

// Several lines as one figure: in XOR mode a pixel where they meet or
// overlap is inverted once, so a figure made of strokes (an arrow, the edges
// of an open polygon) shows whole at any width and a second drawing removes it.
void PictureSurface::Lines(std::span<const QLine> lines, std::optional<Color> color)
{
    if (lines.empty())
        return;
    const Color c = color.value_or(ForeColor);
    const int w = std::max(1, DrawWidth);
    std::int64_t left = lines.front().x1(), right = left, top = lines.front().y1(), bottom = top;
    QPainterPath path;
    std::vector<QPoint> dots;
    for (const QLine &line : lines) {
        left = std::min({left, std::int64_t(line.x1()), std::int64_t(line.x2())});
        right = std::max({right, std::int64_t(line.x1()), std::int64_t(line.x2())});
        top = std::min({top, std::int64_t(line.y1()), std::int64_t(line.y2())});
        bottom = std::max({bottom, std::int64_t(line.y1()), std::int64_t(line.y2())});
        if (line.p1() == line.p2()) {
            dots.push_back(line.p1());
        } else {
            path.moveTo(line.p1());
            path.lineTo(line.p2());
        }
    }
    CurrentX = fromPixelX(lines.back().x2());
    CurrentY = fromPixelY(lines.back().y2());
    Painting painting(*this, penBounds(left, top, right, bottom));
    if (!painting.active())
        return;
    if (!path.isEmpty())
        strokeFigure(painting, path, c);
    for (const QPoint &dot : dots) {
        if (w == 1)
            painting.plot(dot.x(), dot.y(), toQRgb(c));
        else
            painting.fillDisc(QPointF(dot.x() + 0.5, dot.y() + 0.5), w / 2.0, qColor(c));
    }
}

void PictureSurface::paintBox(int x1, int y1, int x2, int y2, Color lineColor, LineForm form)
{
    keepNearRaster(x1, y1, x2, y2);
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    const int w = std::max(1, DrawWidth);
    const int lo = (w - 1) / 2, hi = w - 1 - lo;
    const QRect outer(QPoint(x1 - lo, y1 - lo), QPoint(x2 + hi, y2 + hi));
    Painting painting(*this, outer);
    if (!painting.active())
        return;
    if (form == LineForm::FilledBox) {
        painting.fillRect(outer, qColor(lineColor));
        return;
    }
    painting.fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), FillStyle, FillColor);
    const std::vector<int> dashes = dashLengths(DrawStyle, w);
    if (!dashes.empty() && w > 1 && x2 > x1 && y2 > y1) {
        paintDashedBoxEdges(painting, x1, y1, x2, y2, dashes, qColor(lineColor));
        return;
    }
    if (!dashes.empty()) {
        QPainterPath path(QPointF(x1, y1));
        path.lineTo(x2, y1);
        path.lineTo(x2, y2);
        path.lineTo(x1, y2);
        path.closeSubpath();
        strokeFigure(painting, path, lineColor);
        return;
    }
    const std::vector<QRect> edges = {QRect(QPoint(outer.left(), y1 - lo), QPoint(outer.right(), y1 + hi)),
                                      QRect(QPoint(outer.left(), y2 - lo), QPoint(outer.right(), y2 + hi)),
                                      QRect(QPoint(x1 - lo, outer.top()), QPoint(x1 + hi, outer.bottom())),
                                      QRect(QPoint(x2 - lo, outer.top()), QPoint(x2 + hi, outer.bottom()))};
    painting.fillRects(edges, qColor(lineColor), boxCorners(x1, y1, x2, y2, w));
}

// A wide dashed box outline, dash by dash: each dash is a rectangle across
// its edge and a corner a dash passes is a full pen square, as a stroke with
// flat ends and mitred corners draws it, at the cost of its own pixels.
void PictureSurface::paintDashedBoxEdges(Painting &painting, int x1, int y1, int x2, int y2,
                                         const std::vector<int> &dashes, const QColor &ink)
{
    const int w = std::max(1, DrawWidth);
    const int lo = (w - 1) / 2, hi = w - 1 - lo;
    const int width = x2 - x1, height = y2 - y1;
    const int total = 2 * (width + height);
    // The four edges walked clockwise from the top-left corner: where each
    // starts along the outline, its length, and its first pixel and direction.
    struct Edge {
        int start, length, x, y, dx, dy;
    };
    const Edge edges[] = {{0, width, x1, y1, 1, 0},
                          {width, height, x2, y1, 0, 1},
                          {width + height, width, x2, y2, -1, 0},
                          {2 * width + height, height, x1, y2, 0, -1}};
    std::vector<QRect> rects;
    const auto addRun = [&](int from, int to) {
        for (const Edge &e : edges) {
            const int a = std::max(from, e.start) - e.start, b = std::min(to, e.start + e.length) - e.start;
            if (a >= b)
                continue;
            const QPoint first(e.x + e.dx * a, e.y + e.dy * a), last(e.x + e.dx * (b - 1), e.y + e.dy * (b - 1));
            QRect run = QRect(first, last).normalized();
            run = e.dy == 0 ? QRect(QPoint(run.left(), run.top() - lo), QPoint(run.right(), run.bottom() + hi))
                            : QRect(QPoint(run.left() - lo, run.top()), QPoint(run.right() + hi, run.bottom()));
            rects.push_back(run);
            if (a == 0)  // the corner where this edge begins
                rects.push_back(QRect(QPoint(e.x - lo, e.y - lo), QPoint(e.x + hi, e.y + hi)));
        }
    };
    size_t index = 0;
    for (int position = 0; position < total; index = (index + 1) % dashes.size()) {
        const int next = position + dashes[index];
        if (index % 2 == 0)
            addRun(position, std::min(next, total));
        position = next;
    }
    painting.fillRects(rects, ink, boxCorners(x1, y1, x2, y2, w));
}

void PictureSurface::Circle(double x, double y, double radius, std::optional<Color> color, double aspect)
{
    const Color c = color.value_or(ForeColor);
    const int cx = toPixelX(x), cy = toPixelY(y);
    const double r = std::abs(m_scaleMode == ScaleTwips ? radius / twipsPerPixelX() : radius);
    aspect = std::abs(aspect);
    const double rx = aspect <= 1.0 ? r : r / aspect;
    const double ry = aspect <= 1.0 ? r * aspect : r;
    // Halves to even, as every conversion: a 0.5 radius is a dot, not a ring.
    const int irx = std::min(toInt32(rx), 1'000'000'000), iry = std::min(toInt32(ry), 1'000'000'000);
    CurrentX = x;
    CurrentY = y;
    if (irx == 0 && iry == 0) {
        paintDot(cx, cy, c);
        return;
    }
    Painting painting(*this, penBounds(std::int64_t(cx) - irx, std::int64_t(cy) - iry, std::int64_t(cx) + irx,
                                       std::int64_t(cy) + iry));
    if (!painting.active())
        return;
    QPainterPath path;
    if (irx == 0 || iry == 0) {
        // A flat ellipse is the line it collapses to.
        path.moveTo(double(cx) - irx, double(cy) - iry);
        path.lineTo(double(cx) + irx, double(cy) + iry);
    } else {
        path.addEllipse(QPointF(cx, cy), rx, ry);
        painting.fillPath(path, FillStyle, FillColor);
    }
    strokeFigure(painting, path, c);
}

void PictureSurface::Polygon(std::span<const QPoint> points)
{
    if (points.empty())
        return;
    if (points.size() == 1) {
        paintDot(points.front().x(), points.front().y(), ForeColor);
        return;
    }
    QRect box(points.front(), QSize(1, 1));
    QPolygonF polygon;
    for (const QPoint &pt : points) {
        box |= QRect(pt, QSize(1, 1));
        polygon << QPointF(pt);
    }
    Painting painting(*this, penBounds(box));
    if (!painting.active())
        return;
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addPolygon(polygon);
    if (points.size() > 2) {
        path.closeSubpath();
        painting.fillPath(path, FillStyle, FillColor);
    }
    strokeFigure(painting, path, ForeColor);
}

void PictureSurface::PolyBezier(std::span<const QPoint> points)
{
    if (points.size() < 4 || (points.size() - 1) % 3 != 0)
        return;  // the call draws nothing for a count that is not 3n + 1
    QRect box(points.front(), QSize(1, 1));
    QPainterPath path{QPointF(points[0])};
    for (size_t i = 1; i + 2 < points.size(); i += 3)
        path.cubicTo(QPointF(points[i]), QPointF(points[i + 1]), QPointF(points[i + 2]));
    for (const QPoint &pt : points)
        box |= QRect(pt, QSize(1, 1));
    Painting painting(*this, penBounds(box));
    if (!painting.active())
        return;
    strokeFigure(painting, path, ForeColor);
}

void PictureSurface::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight)
{
    keepNearRaster(left, top, right, bottom);
    // The right and bottom edges are exclusive, as the device call has them.
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    const int w = std::max(0, right - left - 1), h = std::max(0, bottom - top - 1);
    Painting painting(*this, penBounds(QRect(left, top, w + 1, h + 1)));
    if (!painting.active())
        return;
    QPainterPath path;
    if (w == 0 || h == 0) {
        path.moveTo(left, top);
        path.lineTo(left + w, top + h);
    } else {
        const double rx = std::min(cornerWidth / 2.0, w / 2.0), ry = std::min(cornerHeight / 2.0, h / 2.0);
        path.addRoundedRect(QRectF(left, top, w, h), rx, ry);
        painting.fillPath(path, FillStyle, FillColor);
    }
    strokeFigure(painting, path, ForeColor);
}

void PictureSurface::Print(const QString &text)
{
    const QFontMetrics metrics(Font);
    const int x = toPixelX(CurrentX), y = toPixelY(CurrentY);
    int top = y;
    // Text is not a figure: it is drawn as it is, whatever the draw mode.
    const int drawMode = DrawMode;
    DrawMode = DrawModeCopyPen;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const QRect box = metrics.boundingRect(line).translated(x, top + metrics.ascent()) | QRect(x, top, 1, 1);
        Painting painting(*this, box.adjusted(-2, -2, 2, 2));
        if (painting.active()) {
            QPainter &p = painting.textPainter();
            p.setFont(Font);
            p.setPen(qColor(ForeColor));
            p.drawText(QPointF(x, top + metrics.ascent()), line);
        }
        top += metrics.height();
    }
    DrawMode = drawMode;
    CurrentX = 0.0;
    CurrentY = fromPixelY(top);
}

}  // namespace pinxel
