#pragma once
// Reading a file at an offset, so that bands on several cores read their
// parts of one file at once.

#include <QtGlobal>

#include <cerrno>

#include <unistd.h>

namespace pinxel {

// Reads bytes at offset of the open file handle into into; false when the
// file ends first or the read fails.
inline bool readAt(int handle, uchar *into, qint64 bytes, qint64 offset)
{
    while (bytes > 0) {
        const ssize_t got = ::pread(handle, into, size_t(bytes), off_t(offset));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        into += got;
        bytes -= got;
        offset += got;
    }
    return true;
}

}  // namespace pinxel
