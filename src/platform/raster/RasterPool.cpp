#include "platform/raster/RasterPool.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <vector>

#include <sys/mman.h>

namespace pinxel {

namespace {

// Smaller rasters come from the system quickly enough.
constexpr std::size_t SmallestKept = std::size_t(4) << 20;
constexpr std::size_t MostKept = 2;

struct Block {
    void *data = nullptr;
    std::size_t bytes = 0;
};

struct Kept {
    std::mutex mutex;
    std::vector<Block> blocks;  // oldest first
};

// Never destroyed: rasters may be released while the program ends.
Kept &kept()
{
    static Kept *store = new Kept;
    return *store;
}

// The cleanup of a raster made here: its last copy is gone.
void keep(void *info)
{
    Block *block = static_cast<Block *>(info);
    Kept &store = kept();
    {
        std::lock_guard lock(store.mutex);
        store.blocks.push_back(*block);
        if (store.blocks.size() > MostKept) {
            std::free(store.blocks.front().data);
            store.blocks.erase(store.blocks.begin());
        }
    }
    delete block;
}

// The smallest kept block that holds the bytes and is not more than twice
// as large (a small picture does not hold on to a large block).
Block takeKept(std::size_t bytes)
{
    Kept &store = kept();
    std::lock_guard lock(store.mutex);
    auto best = store.blocks.end();
    for (auto it = store.blocks.begin(); it != store.blocks.end(); ++it)
        if (it->bytes >= bytes && it->bytes <= 2 * bytes && (best == store.blocks.end() || it->bytes < best->bytes))
            best = it;
    if (best == store.blocks.end())
        return {};
    const Block block = *best;
    store.blocks.erase(best);
    return block;
}

}  // namespace

QImage newRaster(int width, int height)
{
    if (width <= 0 || height <= 0)
        return QImage();
    const std::size_t bytes = std::size_t(width) * std::size_t(height) * 4;
    if (bytes < SmallestKept)
        return QImage(width, height, QImage::Format_RGB32);
    Block block = takeKept(bytes);
    if (!block.data) {
        block.data = std::malloc(bytes);
        block.bytes = bytes;
        if (!block.data)
            return QImage();
        preferLargePages(block.data, bytes);
    }
    return QImage(static_cast<uchar *>(block.data), width, height, qsizetype(width) * 4, QImage::Format_RGB32, keep,
                  new Block(block));
}

void preferLargePages(void *data, std::size_t bytes)
{
    constexpr std::uintptr_t LargePage = std::uintptr_t(2) << 20;
    const auto first = (reinterpret_cast<std::uintptr_t>(data) + LargePage - 1) & ~(LargePage - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(data) + bytes) & ~(LargePage - 1);
    if (end > first)
        ::madvise(reinterpret_cast<void *>(first), end - first, MADV_HUGEPAGE);
}

PagesMappedAside::PagesMappedAside(void *data, std::size_t bytes)
{
#ifdef MADV_POPULATE_WRITE
    constexpr std::size_t PageSize = 4096;
    if (bytes < SmallestKept || std::thread::hardware_concurrency() < 2)
        return;
    const auto first = (reinterpret_cast<std::uintptr_t>(data) + PageSize - 1) & ~(PageSize - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(data) + bytes) & ~(PageSize - 1);
    m_thread = std::thread([first, end] {
        // In steps from the top, as the decoder goes; a system without the
        // call refuses it at once, and the decoder maps the pages itself.
        constexpr std::uintptr_t Step = std::uintptr_t(2) << 20;
        for (std::uintptr_t at = first; at < end; at += Step)
            if (::madvise(reinterpret_cast<void *>(at), std::min<std::uintptr_t>(Step, end - at), MADV_POPULATE_WRITE)
                != 0)
                return;
    });
#else
    (void)data;
    (void)bytes;
#endif
}

PagesMappedAside::~PagesMappedAside()
{
    if (m_thread.joinable())
        m_thread.join();
}

void releaseKeptRasters()
{
    Kept &store = kept();
    std::lock_guard lock(store.mutex);
    for (const Block &block : store.blocks)
        std::free(block.data);
    store.blocks.clear();
}

}  // namespace pinxel
