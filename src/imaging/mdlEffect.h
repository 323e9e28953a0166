#pragma once
// The effects on a whole picture: flip horizontal and vertical, resize,
// rotation and colour inversion. ApplyPictureEffect runs one on a target
// surface (the canvas or the floating selection) with the scratch surface
// holding the picture as it was while the effect reads it; the editor's
// ApplyEffect chooses the target, the factors and the angle, and records
// the undo step.
//
// The flips and the inversion work in place; resize and rotation write a
// new raster from the scratch's copy, which shares the old pixels instead
// of copying them and is emptied afterwards.

#include "pinxel/Numeric.h"

namespace pinxel {

class PictureSurface;

enum EffectKind : int {
    EffectFlipHorizontal = 0,
    EffectFlipVertical = 1,
    EffectResize = 2,
    EffectRotate = 3,
    EffectInvertColors = 4,
};

// The resize's scale factors; the zoom view writes them for its own use too.
extern float ResizeFactorX;
extern float ResizeFactorY;
// The rotation's angle in degrees and direction, written before each turn.
extern float RotateAngle;
extern Flag RotateClockwise;

// The size guard: with the screen's twips per pixel, a picture of the size
// scaled by the factor (both sides by the one factor) is larger than 50000
// twips in either direction.
bool EffectTooLarge(int pixelWidth, int pixelHeight, double factor, double twipsPerPixelX, double twipsPerPixelY);

// The resized size of a side: the side times the factor, to the nearest
// pixel, at least one pixel.
int ResizedSide(int side, float factor);

// Runs effect kind on the target; the scratch holds the old picture while
// it is read. Failures are reported (ReportError code 0), not thrown.
void ApplyPictureEffect(int kind, PictureSurface &target, PictureSurface &scratch);

// The zoom view: the target's picture scaled by the resize factors to the
// size the resize effect gives it. Enlarged, each picture pixel shows as a
// block of its exact colour, as a paint program's zoom shows it; reduced,
// each view pixel averages the pixels it covers. Failures are reported.
void ApplyZoomView(PictureSurface &target, PictureSurface &scratch);
// The pixel of the picture that pixel index of its zoom view shows, along a
// side of viewSide pixels made from pictureSide pixels.
int ZoomViewSource(int index, int viewSide, int pictureSide);

// Turns the source's picture into the target by the angle in degrees
// (overwritten with the angle in radians actually turned, anticlockwise on
// screen): clockwise turns by 360 - angle. 90 and 270 degrees are exact
// turns with width and height exchanged; other angles keep the target's size
// and map pixel by pixel (see rotateByMapping), leaving the corners in the
// target's background colour.
void RotatePicture(PictureSurface &source, PictureSurface &target, float &angle, bool clockwise);

}  // namespace pinxel
