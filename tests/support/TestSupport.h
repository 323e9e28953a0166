#pragma once
// Helpers shared by the test programs.

#include "pinxel/Error.h"
#include "pinxel/Numeric.h"

#include <QImage>
#include <QString>
#include <gtest/gtest.h>

#include <cstdint>

namespace pinxel {
class PictureSurface;
}

namespace pinxel::test {

// Puts a picture on a surface in pixel units, the surface taking its size.
void holdPicture(PictureSurface &surface, const QImage &picture);

// An RGB32 image of reproducible random pixels.
QImage randomImage(int width, int height, std::uint32_t seed);
// An RGB32 image of one colour.
QImage filledImage(int width, int height, Color color);
// Equal sizes and pixels; on failure names the first differing pixel.
::testing::AssertionResult sameImage(const QImage &expected, const QImage &actual);
// Pixels that differ between two images of the same size.
int countDifferences(const QImage &a, const QImage &b);
// Loads DejaVu Sans and returns its family name, so that text pixels are known.
QString knownFontFamily();
// The source tree's resources folder.
QString resourcesDir();

// The number of the Error the call raises (0 when none), and its description when asked.
template <typename F> int errorOf(F &&f, QString *description = nullptr)
{
    try {
        f();
    } catch (const Error &error) {
        if (description)
            *description = error.description();
        return error.number();
    }
    return 0;
}

// A PNG chunk: its length, type, data and checksum.
QByteArray pngChunk(const char *type, const QByteArray &data);

}  // namespace pinxel::test
