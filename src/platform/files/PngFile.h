#pragma once
// PNG files, decoded with libspng straight into the picture's scan lines:
// zlib's inflate is most of the cost, and libspng runs it without the
// copies and per-row transformations of a general reader. Any damage its
// checks find (a chunk's checksum, a cut stream, data after the picture's
// end that does not parse) refuses the file.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace pinxel {

// The picture in RGB32, or ARGB32 when some pixel is transparent (an alpha
// channel or a tRNS chunk); every bit depth and colour type, interlaced or
// not. Sixteen-bit samples round to the nearest eight-bit value. Raises 481
// through invalidPicture for a damaged file or one larger than the limits.
QImage readPng(const QByteArray &data, const QString &name);

}  // namespace pinxel
