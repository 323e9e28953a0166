#include "platform/files/FileIdentity.h"

#include <QFile>

#include <sys/stat.h>
#include <time.h>

namespace pinxel {

namespace {
qint64 nanoseconds(const timespec &t) { return qint64(t.tv_sec) * 1000000000 + t.tv_nsec; }
}  // namespace

std::optional<FileIdentity> FileIdentity::of(const QString &path)
{
    struct stat info {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return FileIdentity{path,
                        quint64(info.st_dev),
                        quint64(info.st_ino),
                        qint64(info.st_size),
                        nanoseconds(info.st_mtim),
                        nanoseconds(info.st_ctim)};
}

bool FileIdentity::settled() const
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return changedNs < nanoseconds(now) - 1000000000;
}

}  // namespace pinxel
