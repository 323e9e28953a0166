#include "platform/files/DecodedPictures.h"

#include <sys/stat.h>
#include <time.h>

#include <algorithm>
#include <mutex>
#include <vector>

namespace pinxel {

std::optional<FileIdentity> identityOf(int fd, const QString &path)
{
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0)
        return std::nullopt;
    const auto ns = [](const timespec &t) { return qint64(t.tv_sec) * 1000000000 + t.tv_nsec; };
    return FileIdentity{
        path, quint64(info.st_dev), quint64(info.st_ino), qint64(info.st_size), ns(info.st_mtim), ns(info.st_ctim)};
}

namespace {

struct Entry {
    FileIdentity identity;
    QImage picture;
};

// A few pictures at most: the files one editor and its control have open.
constexpr std::size_t MostKept = 4;

std::mutex &lock()
{
    static std::mutex mutex;
    return mutex;
}

std::vector<Entry> &entries()
{
    static std::vector<Entry> kept;
    return kept;
}

// Drops the pictures nobody else holds any more: keeping one alone would
// hold its memory for a reload that may never come.
void dropUnshared(std::vector<Entry> &kept)
{
    kept.erase(std::remove_if(kept.begin(), kept.end(), [](const Entry &e) { return e.picture.isDetached(); }),
               kept.end());
}

}  // namespace

namespace DecodedPictures {

std::optional<QImage> find(const FileIdentity &identity)
{
    const std::lock_guard guard(lock());
    std::vector<Entry> &kept = entries();
    dropUnshared(kept);
    for (const Entry &entry : kept)
        if (entry.identity == identity)
            return entry.picture;
    return std::nullopt;
}

void keep(const FileIdentity &identity, const QImage &picture)
{
    // The system stamps a change with a clock of a few milliseconds a tick,
    // so a file changed twice within a tick, to the same size and onto a
    // reused inode, would look unchanged. A file whose last change is a
    // second old cannot change again without a later stamp.
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    if (identity.changedNs > qint64(now.tv_sec - 1) * 1000000000 + now.tv_nsec)
        return;
    const std::lock_guard guard(lock());
    std::vector<Entry> &kept = entries();
    dropUnshared(kept);
    kept.erase(
        std::remove_if(kept.begin(), kept.end(), [&](const Entry &e) { return e.identity.path == identity.path; }),
        kept.end());
    if (kept.size() >= MostKept)
        kept.erase(kept.begin());
    kept.push_back({identity, picture});
}

void clear()
{
    const std::lock_guard guard(lock());
    entries().clear();
}

}  // namespace DecodedPictures

}  // namespace pinxel
