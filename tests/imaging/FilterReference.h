#pragma once
// The filter engine as written down, one GetPixel / SetPixel at a time on a
// picture surface, with every formula in double precision: the yardstick the
// fast engine is measured against. Its one departure from the write-up is the
// region rule of this library: only all four bounds at -1 mean the whole
// picture, any other region is clipped to the picture.

#include "imaging/mdlFilter.h"

#include "pinxel/Numeric.h"
#include "pinxel/PictureSurface.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace pinxel::test {

inline void referenceFilter(int filter, PictureSurface &surface, int left, int top, int right, int bottom,
                            RandomSource &random)
{
    const int width = surface.pixelWidth(), height = surface.pixelHeight();
    if (left == -1 && top == -1 && right == -1 && bottom == -1) {
        left = 0;
        top = 0;
        right = width;
        bottom = height;
    } else {
        left = std::max(left, 0);
        top = std::max(top, 0);
        right = std::min(right, width - 1);
        bottom = std::min(bottom, height - 1);
    }
    const bool smallRegion = (std::int64_t(bottom) - top) * (std::int64_t(right) - left) < 256;

    const QImage before = surface.Image().copy();
    const auto A = [&](int x, int y) -> Color {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return NoColor;
        return fromQRgb(before.pixel(x, y));
    };
    const auto component = [&](int slot, int x, int y) {
        int c[3];
        SplitColor(A(x, y), c[0], c[1], c[2]);
        return c[slot];
    };
    const auto nearest = [](double value) { return int(roundHalfEven(value)); };
    const auto perComponent = [&](int x, int y, auto formula) {
        surface.SetPixel(x, y, composeColor(formula(0), formula(1), formula(2)));
    };

    switch (filter) {
    case 0:
        for (int x = left; x <= right; ++x)
            for (int y = top; y <= bottom; ++y) {
                int r, g, b;
                SplitColor(surface.GetPixel(x, y), r, g, b);
                const bool white = r >= 192 ? true : g >= 192 ? true : b >= 192;
                surface.SetPixel(x, y, white ? composeColor(255, 255, 255) : composeColor(0, 0, 0));
            }
        break;
    case 1:
        for (int x = left + 1; x <= right - 1; ++x)
            for (int y = top + 1; y <= bottom - 1; ++y)
                perComponent(x, y, [&](int c) {
                    int sum = 0;
                    for (int i = x - 1; i <= x + 1; ++i)
                        for (int j = y - 1; j <= y + 1; ++j)
                            sum += component(c, i, j);
                    return nearest(std::fabs(sum / 10.0));
                });
        break;
    case 2:
    case 4: {
        const int step = (smallRegion ? 2 : 32) * (filter == 4 ? -1 : 1);
        for (int x = left; x <= right; ++x)
            for (int y = top; y <= bottom; ++y) {
                int c[3];
                SplitColor(surface.GetPixel(x, y), c[0], c[1], c[2]);
                perComponent(x, y, [&](int i) { return nearest(std::fabs(double(c[i] + step))); });
            }
        break;
    }
    case 3:
    case 13: {
        const double amplitude = filter == 3 ? 512.0 : 4.0;
        for (int x = left; x <= right; ++x)
            for (int y = top; y <= bottom; ++y)
                surface.SetPixel(x, nearest(y + amplitude * std::sin(double(x))), A(x, y));
        break;
    }
    case 5: {
        const auto offset = [&] { return int(std::floor(5.0 * double(random.Rnd()) - 2.0)); };
        for (int x = left + 2; x <= right - 3; ++x)
            for (int y = top + 2; y <= bottom - 3; ++y) {
                const int r1 = offset(), r2 = offset(), r3 = offset(), r4 = offset();
                const int red = std::abs(A(x, y + r1) % 256);
                const int green = std::abs((A(x + r2, y) / 256) % 256);
                const int blue = std::abs(A(x + r4, y + r3) / 65536);
                surface.SetPixel(x, y, composeColor(red, green, blue));
            }
        break;
    }
    case 6:
        for (int x = left; x <= right - 1; ++x)
            for (int y = top; y <= bottom - 1; ++y)
                perComponent(x, y,
                             [&](int c) { return std::abs((component(c, x, y) - component(c, x + 1, y + 1)) - 128); });
        break;
    case 7:
        for (int x = left; x <= right; ++x)
            for (int y = top; y <= bottom; ++y) {
                int r, g, b;
                SplitColor(surface.GetPixel(x, y), r, g, b);
                const int r1 = nearest(std::fabs(double((g - b + g + r) * r)) / 256.0);
                const int g1 = nearest(std::fabs(double((b - g + b + r1) * r1)) / 256.0);
                const int b1 = nearest(std::fabs(double((b - g1 + b + r1) * g1)) / 256.0);
                int r2, g2, b2;
                SplitColor(composeColor(r1, g1, b1), r2, g2, b2);
                const int grey = nearest((r2 + g2 + b2) / 3.0);
                surface.SetPixel(x, y, composeColor(grey, grey, grey));
            }
        break;
    case 8: {
        const double weight = 0.32f;
        for (int x = left; x <= right; ++x)
            for (int y = top; y <= bottom; ++y) {
                int r, g, b;
                SplitColor(surface.GetPixel(x, y), r, g, b);
                const int grey = nearest(std::fabs(weight * g + weight * r + weight * b));
                surface.SetPixel(x, y, composeColor(grey, grey, grey));
            }
        break;
    }
    case 10:
        for (int x = left; x <= right; ++x)
            for (int y = top; y <= bottom; ++y)
                if (surface.GetPixel(x, y) == ReplaceColorFrom)
                    surface.SetPixel(x, y, ReplaceColorTo);
        break;
    case 11:
    case 12: {
        const double factor = filter == 11 ? 0.5 : 24.0;
        for (int x = left + 1; x <= right; ++x)
            for (int y = top + 1; y <= bottom; ++y)
                perComponent(x, y, [&](int c) {
                    const int here = component(c, x, y);
                    return std::abs(nearest(factor * (here - component(c, x - 1, y - 1)) + here));
                });
        break;
    }
    default:
        break;
    }
}

}  // namespace pinxel::test
