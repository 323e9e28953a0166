#pragma once
// What tells one state of a file from another, so that a reload of a file
// that has not changed can keep the picture already read from it.

#include <QString>

#include <optional>

namespace pinxel {

// The path as asked for, the file it names (device and inode), its size
// and when its contents and its entry last changed.
struct FileIdentity {
    QString path;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;
    bool operator==(const FileIdentity &) const = default;

    // The identity of the file at path now; none when it cannot be had.
    static std::optional<FileIdentity> of(const QString &path);

    // Whether the file's last change is over a second old. The system
    // stamps a change with a clock of a few milliseconds a tick, so a file
    // changed twice within one tick, to the same size and onto a reused
    // inode, would look unchanged; a file settled this long cannot change
    // again without a later stamp.
    bool settled() const;
};

}  // namespace pinxel
