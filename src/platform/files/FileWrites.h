#pragma once
// Writes that never damage the file they replace: pictures, pointer files,
// form files and the component registry all go through them. Qt-only, so the
// host program shares them.

#include <QString>

#include <functional>

class QIODevice;

namespace pinxel {

// Raises 76 or 70 as a save does when path may not be written: also
// for a folder or another file that is not a regular one (a device, a pipe),
// which a replacement would destroy.
void checkWritableTarget(const QString &path);

// Checks the target, then writes through a temporary file in the same folder
// that replaces the target only when write() succeeded and everything is on
// disk. write() returns false when it failed. A full disk raises 61, a
// folder the system refuses 70, any other failure 57, each with the
// system's reason.
void saveFileAtomically(const QString &path, const std::function<bool(QIODevice &)> &write);

}  // namespace pinxel
