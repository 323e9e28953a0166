#pragma once
// Pointer files (.cur) and icon files (.ico): both use the icon directory
// format, the cursor's directory entries holding the hot spot where an icon
// keeps its planes and bit count. The reader serves LoadCursor and the icon
// pictures of LoadPicture; the writer makes the library's own pointer files.

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QString>

namespace pinxel {

struct CursorImage {
    QImage image;  // ARGB32
    QPoint hotSpot;
};

// True when the bytes start like an icon or cursor directory.
bool looksLikeIconDirectory(const QByteArray &data);

// Decodes the best image of an icon or cursor directory: 32 x 32 when there
// is one, else the largest. A cursor gives its hot spot, an icon its centre.
// Raises 481 for anything malformed or truncated; name only serves the messages.
CursorImage decodeIconDirectory(const QByteArray &data, const QString &name = QString());

// Reads a cursor file: raises 53 when missing, 481 when invalid.
CursorImage readCursorFile(const QString &path);

// A cursor file of one image (1 to 256 pixels a side, 32-bit BGRA with an AND
// mask that is set where the image is fully transparent) and its hot spot.
// Raises 5 when the image is empty or too big or the hot spot lies outside it.
QByteArray encodeCursor(const QImage &image, QPoint hotSpot);

// Writes encodeCursor's bytes atomically, with the errors of SavePicture.
void writeCursorFile(const QString &path, const QImage &image, QPoint hotSpot);

}  // namespace pinxel
