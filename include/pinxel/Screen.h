#pragma once
// Twips per pixel of the screen. Every conversion between twips and pixels in
// the library goes through these two functions.

namespace pinxel {

// 1440 / the primary screen's logical DPI (15 on a standard 96-DPI display).
double twipsPerPixelX();
double twipsPerPixelY();

// Tests and headless runs pin the ratio; 0 returns to the screen's value.
void setTwipsPerPixelOverride(double twipsPerPixel);

}  // namespace pinxel
