#pragma once
// Picture files: the guarded loader behind LoadPicture and the 24-bit BMP
// writer behind SavePicture.

#include <QByteArray>
#include <QImage>
#include <QString>

#include "platform/files/FileWrites.h"

#include <functional>

class QIODevice;

namespace pinxel {

// Reads a picture file of any format the loader knows. An empty path gives a
// null image; raises 53 when the file is missing, 70 when it cannot be read,
// 481 when it is corrupt, truncated, not a picture or larger than the limits.
// Opaque pictures come back in RGB32, pictures with transparency in ARGB32.
QImage loadPictureFile(const QString &path);

// The same for a picture held in memory; name only serves the messages.
QImage decodePicture(const QByteArray &data, const QString &name = QString());

// A 24-bit BMP (BITMAPFILEHEADER + BITMAPINFOHEADER, BI_RGB, bottom-up, rows
// padded to four bytes) of the picture; alpha is dropped.
QByteArray encodeBmp24(const QImage &picture);

// Writes the picture as a 24-bit BMP, atomically: raises 76 for a missing
// folder, 70 for a read-only file or folder (also for root), 61 for a full
// disk, 57 when writing fails otherwise; the old file stays as it was on
// every failure.
void savePictureFile(const QImage &picture, const QString &path);

// Writes the picture in another format Qt writes (such as "png"), with the
// same checks and the same atomic replacement as savePictureFile.
void saveImageFile(const QImage &picture, const QString &path, const char *format);

}  // namespace pinxel
