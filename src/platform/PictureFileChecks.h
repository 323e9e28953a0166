#pragma once
// The checks every picture reader shares: a refused file raises 481 with
// the file's name and the reason.

#include <QString>

namespace pinxel {

[[noreturn]] void invalidPicture(const QString &name, const QString &why);

// Refuses pictures without pixels or beyond the largest picture.
void checkPictureSize(qint64 width, qint64 height, const QString &name);

}  // namespace pinxel
