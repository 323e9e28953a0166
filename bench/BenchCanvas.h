#pragma once
// The 4000 x 3000 white canvas the surface and shape benchmarks draw on,
// made once per program.

#include "pinxel/PictureSurface.h"

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

}  // namespace pinxel::bench
