#pragma once
// BMP files, read straight into a picture's scan lines and written straight
// from them: a 4000 x 3000 picture is 36 to 48 MB, and a copy of it more or
// less is most of what opening and saving cost. The headers are checked
// against the file's length before anything is read, because Qt's reader
// returns a picture whose pixel data was cut short.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

class QIODevice;

namespace pinxel {

// What the headers say of the pixel data.
struct BmpLayout {
    qint64 width = 0;
    qint64 height = 0;
    bool topDown = false;
    int bitCount = 0;
    quint32 compression = 0;
    quint32 infoSize = 0;
    quint32 offBits = 0;
    // The channel masks of 32-bit pixels (the usual ones unless the headers give others).
    quint32 redMask = 0x00FF0000, greenMask = 0x0000FF00, blueMask = 0x000000FF, alphaMask = 0;
};

// Checks the headers (head: the file's first 138 bytes or all of a shorter
// file) against the file's length; raises 481 with the reason for a damaged,
// truncated or oversized bitmap.
BmpLayout validateBmp(const QByteArray &head, qint64 fileSize, const QString &name);

// Reads the pixels of an uncompressed 24-bit, or 32-bit with the usual
// masks, bitmap from the device (at the file's start) into an RGB32 picture,
// ARGB32 when an alpha mask makes some pixel transparent. Nothing for other
// layouts, which Qt's reader decodes. Raises 481 when the data ends early, 7
// when the memory for the picture cannot be had.
std::optional<QImage> readBmpDirectly(QIODevice &device, const BmpLayout &layout, const QString &name);

// Writes the picture as a 24-bit BMP (BITMAPFILEHEADER + BITMAPINFOHEADER,
// BI_RGB, bottom-up, rows padded to four bytes); alpha is dropped. Returns
// false when the device refused the bytes. Raises 481 for a picture too
// large for the format.
bool writeBmp24(const QImage &picture, QIODevice &device);

}  // namespace pinxel
