#pragma once
// Decoded pictures kept for the reloads of an unchanged file. Opening the
// editor from the control reads its picture file three times, as
// documented (the property's read, then the canvas's load); each read after
// the first, of a file with the same identity, gets the picture already
// decoded, shared without a copy. A picture is kept only while someone
// else still holds it, so the cache never holds memory of its own for long.

#include <QImage>
#include <QString>

#include <optional>

namespace pinxel {

// What tells one state of a file from another: its path as asked for, the
// file it names (device and inode), its size and when it last changed.
struct FileIdentity {
    QString path;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;
    bool operator==(const FileIdentity &) const = default;
};

// The identity of the open file descriptor fd, opened from path.
std::optional<FileIdentity> identityOf(int fd, const QString &path);

namespace DecodedPictures {
// The picture decoded from a file of this identity, while still shared.
std::optional<QImage> find(const FileIdentity &identity);
// Keeps the picture just decoded from a file of this identity, unless the
// file changed within the last second.
void keep(const FileIdentity &identity, const QImage &picture);
// Forgets every picture: the next read of each file decodes it.
void clear();
}  // namespace DecodedPictures

}  // namespace pinxel
