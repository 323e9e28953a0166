#pragma once
// The 4000 x 3000 white canvas the surface and shape benchmarks draw on,
// made once per program, and the photograph-like picture of the filter and
// effect benchmarks.

#include "pinxel/PictureSurface.h"

#include <QImage>

#include <random>

namespace pinxel::bench {

inline constexpr int CanvasWidth = 4000;
inline constexpr int CanvasHeight = 3000;

inline PictureSurface &canvas()
{
    static PictureSurface *surface = [] {
        auto *s = new PictureSurface;
        s->setScaleMode(ScalePixels);
        s->BackColor = 0xFFFFFF;
        s->setPixelSize(CanvasWidth, CanvasHeight);
        s->Cls();
        return s;
    }();
    return *surface;
}

// Smooth gradients with noise: neither flat nor pure noise, like a photograph.
inline QImage photoPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    std::mt19937 noise(42);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int n = int(noise() % 32);
            line[x] = qRgb((x * 255 / width + n) & 255, (y * 255 / height + n) & 255, ((x + y) / 28 + n) & 255);
        }
    }
    return image;
}

}  // namespace pinxel::bench
