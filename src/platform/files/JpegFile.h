#pragma once
// JPEG files, decoded with libjpeg straight into the picture's scan lines.
// Libjpeg repairs damaged data and only warns (a cut scan is filled with
// grey, a bad code with a blotch); here any such warning refuses the file.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace pinxel {

// The picture in RGB32; raises 481 through invalidPicture for a file that is
// damaged, larger than the limits, or too short to fill the size it claims.
QImage readJpeg(const QByteArray &data, const QString &name);

}  // namespace pinxel
