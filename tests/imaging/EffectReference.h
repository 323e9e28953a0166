#pragma once
// Slow, literal versions of the effects, pixel by pixel, for the tests to
// hold the fast ones against.

#include <QImage>

#include <cmath>

namespace pinxel::test {

inline int nearestEven(double v) { return int(std::nearbyint(v)); }  // halves to even

// The rotation as the documents step it: i outer, c inner, the angle a and
// theta in single precision, four reads and the writes of those inside.
inline QImage referenceRotation(const QImage &source, QImage target, float theta)
{
    const int sx = nearestEven(source.width() / 2.0), sy = nearestEven(source.height() / 2.0);
    const int tx = nearestEven(target.width() / 2.0), ty = nearestEven(target.height() / 2.0);
    const int n = nearestEven(float(std::max(target.width(), target.height())) / 2.0f);
    const auto inside = [](const QImage &image, int x, int y) { return image.rect().contains(x, y); };
    for (int i = 0; i <= n; ++i)
        for (int c = 0; c <= n; ++c) {
            const float a = i == 0 ? 1.5707964f : float(std::atan(double(c) / double(i)));
            const double r = nearestEven(std::sqrt(double(c) * c + double(i) * i));
            const int dx = nearestEven(r * std::cos(double(a) + double(theta)));
            const int dy = nearestEven(r * std::sin(double(a) + double(theta)));
            const QPoint from[4] = {{sx + dx, sy + dy}, {sx - dx, sy - dy}, {sx + dy, sy - dx}, {sx - dy, sy + dx}};
            const QPoint to[4] = {{tx + i, ty + c}, {tx - i, ty - c}, {tx + c, ty - i}, {tx - c, ty + i}};
            for (int k = 0; k < 4; ++k)
                if (inside(source, from[k].x(), from[k].y()) && inside(target, to[k].x(), to[k].y()))
                    target.setPixel(to[k], source.pixel(from[k]));
        }
    return target;
}

// A quarter turn: anticlockwise (x, y) goes to (y, w - 1 - x).
inline QImage referenceQuarterTurn(const QImage &source, bool anticlockwise)
{
    QImage turned(source.height(), source.width(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            turned.setPixel(anticlockwise ? QPoint(y, source.width() - 1 - x) : QPoint(source.height() - 1 - y, x),
                            source.pixel(x, y));
    return turned;
}

// Area averaging in double precision: each new pixel the mean of the old
// pixels it covers, weighted by the area covered.
inline QImage referenceResample(const QImage &source, int width, int height)
{
    QImage result(width, height, QImage::Format_RGB32);
    const double sx = double(source.width()) / width, sy = double(source.height()) / height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            double sum[3] = {0, 0, 0}, area = 0;
            for (int v = int(y * sy); v < source.height() && v < (y + 1) * sy; ++v)
                for (int u = int(x * sx); u < source.width() && u < (x + 1) * sx; ++u) {
                    const double w = (std::min(u + 1.0, (x + 1) * sx) - std::max(double(u), x * sx))
                                     * (std::min(v + 1.0, (y + 1) * sy) - std::max(double(v), y * sy));
                    const QRgb p = source.pixel(u, v);
                    sum[0] += w * qRed(p);
                    sum[1] += w * qGreen(p);
                    sum[2] += w * qBlue(p);
                    area += w;
                }
            result.setPixel(x, y, qRgb(int(sum[0] / area + 0.5), int(sum[1] / area + 0.5), int(sum[2] / area + 0.5)));
        }
    return result;
}

}  // namespace pinxel::test
