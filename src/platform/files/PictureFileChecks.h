#pragma once
// The checks every picture reader shares: a refused file raises 481 with
// the file's name and the reason.

#include <QString>

namespace pinxel {

[[noreturn]] void invalidPicture(const QString &name, const QString &why);

// Refuses pictures without pixels or beyond the largest picture.
void checkPictureSize(qint64 width, qint64 height, const QString &name);

// Refuses a picture that its data cannot fill: a small file claiming a huge
// picture would cost the whole picture's memory and time to decode, for
// pixels it does not hold. fillable is the most pixels the bytes can hold;
// pictures up to a megapixel pass whatever their data, as they cost little.
void checkDataCanFill(qint64 pixels, qint64 fillable, qint64 bytes, const QString &name);

}  // namespace pinxel
