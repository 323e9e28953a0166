#pragma once
/// \file
/// \brief Twips per pixel of the screen.
///
/// Twips per pixel of the screen. Every conversion between twips and pixels in
/// the library goes through these two functions. A twip is 1/1440 inch.
///
/// They read the primary screen: call them on the GUI thread.

namespace pinxel {

/// 1440 / the primary screen's logical DPI (15 on a standard 96-DPI display).
/// 15 without a screen or a QGuiApplication; the override when one is set.
double twipsPerPixelX();
/// The same down the screen: 1440 / the logical vertical DPI.
double twipsPerPixelY();

/// Tests and headless runs pin the ratio; 0 returns to the screen's value.
/// Set it before any control or editor lays itself out.
void setTwipsPerPixelOverride(double twipsPerPixel);

}  // namespace pinxel
