#include "platform/files/BmpFile.h"

#include "pinxel/Error.h"
#include "pinxel/HostServices.h"
#include "platform/files/FileReads.h"
#include "platform/files/PictureFileChecks.h"
#include "platform/raster/RasterPool.h"
#include "platform/raster/RowBands.h"

#include <QCoreApplication>
#include <QFileDevice>
#include <QIODevice>
#include <QtEndian>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <vector>

#include <unistd.h>

namespace pinxel {

namespace {

constexpr int FileHeader = 14;
enum Compression : quint32 {
    Rgb = 0,
    Rle8 = 1,
    Rle4 = 2,
    BitFields = 3,
    AlphaBitFields = 6
};
// Rows are read and written a megabyte at a time, which stays in the cache.
constexpr qint64 ChunkBytes = qint64(1) << 20;

quint16 u16(const char *p) { return qFromLittleEndian<quint16>(p); }
quint32 u32(const char *p) { return qFromLittleEndian<quint32>(p); }
qint32 s32(const char *p) { return qFromLittleEndian<qint32>(p); }

}  // namespace

BmpLayout validateBmp(const QByteArray &head, qint64 fileSize, const QString &name)
{
    if (fileSize < FileHeader + 12 || head.size() < FileHeader + 12)
        invalidPicture(name, QCoreApplication::translate("Error", "the bitmap file is truncated"));
    const char *d = head.constData();
    const quint32 offBits = u32(d + 10);
    const quint32 infoSize = u32(d + 14);
    qint64 width = 0, height = 0;
    int bitCount = 0;
    quint32 compression = 0, sizeImage = 0, colorsUsed = 0;
    int paletteEntrySize = 4;
    if (infoSize == 12) {  // the old core header
        width = u16(d + 18);
        height = u16(d + 20);
        bitCount = u16(d + 24);
        paletteEntrySize = 3;
    } else if (infoSize >= 40 && infoSize <= 124) {
        if (head.size() < FileHeader + 40)
            invalidPicture(name, QCoreApplication::translate("Error", "the bitmap file is truncated"));
        width = s32(d + 18);
        height = s32(d + 22);
        bitCount = u16(d + 28);
        compression = u32(d + 30);
        sizeImage = u32(d + 34);
        colorsUsed = u32(d + 46);
    } else {
        invalidPicture(name, QCoreApplication::translate("Error", "unknown bitmap header of %1 bytes").arg(infoSize));
    }
    if (fileSize < FileHeader + qint64(infoSize))
        invalidPicture(name, QCoreApplication::translate("Error", "the bitmap file is truncated"));
    const bool topDown = height < 0;
    height = qAbs(height);
    checkPictureSize(width, height, name);

    switch (bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    default:
        invalidPicture(name,
                       QCoreApplication::translate("Error", "%1 bits per pixel is not a bitmap depth").arg(bitCount));
    }
    const bool rle = compression == Rle8 || compression == Rle4;
    if (compression == Rle8 && bitCount != 8)
        invalidPicture(
            name, QCoreApplication::translate("Error", "8-bit run-length coding on a %1-bit bitmap").arg(bitCount));
    if (compression == Rle4 && bitCount != 4)
        invalidPicture(
            name, QCoreApplication::translate("Error", "4-bit run-length coding on a %1-bit bitmap").arg(bitCount));
    if (rle && topDown)
        invalidPicture(name,
                       QCoreApplication::translate("Error", "a run-length coded bitmap cannot be stored top-down"));
    if (!rle && compression != Rgb && compression != BitFields && compression != AlphaBitFields)
        invalidPicture(name,
                       QCoreApplication::translate("Error", "unsupported bitmap compression %1").arg(compression));

    qint64 paletteEntries = 0;
    if (bitCount <= 8) {
        paletteEntries = colorsUsed ? qint64(colorsUsed) : (qint64(1) << bitCount);
        if (paletteEntries > 256)
            invalidPicture(name, QCoreApplication::translate("Error", "a palette of %1 colours").arg(paletteEntries));
    }
    const qint64 masks = (compression == BitFields && infoSize == 40) ? 12 : 0;
    const qint64 headersEnd = FileHeader + infoSize + masks + paletteEntries * paletteEntrySize;
    if (headersEnd > fileSize)
        invalidPicture(name, QCoreApplication::translate("Error", "the bitmap file is truncated in its palette"));
    if (offBits < FileHeader + infoSize || offBits >= fileSize)
        invalidPicture(
            name, QCoreApplication::translate("Error", "the pixel data offset %1 lies outside the file").arg(offBits));

    const qint64 available = fileSize - offBits;
    if (rle) {
        if (sizeImage > available)
            invalidPicture(
                name, QCoreApplication::translate("Error", "the bitmap file is truncated: %1 of %2 bytes of pixel data")
                          .arg(available)
                          .arg(sizeImage));
        // A two-byte run covers at most 255 pixels; pixels a file skips over
        // are left undefined, so they do not count as filled.
        checkDataCanFill(width * height, available * 128, available, name);
    } else {
        const qint64 rowBytes = ((width * bitCount + 31) / 32) * 4;
        const qint64 needed = rowBytes * height;
        if (needed > available)
            invalidPicture(
                name, QCoreApplication::translate("Error", "the bitmap file is truncated: %1 of %2 bytes of pixel data")
                          .arg(available)
                          .arg(needed));
    }
    BmpLayout layout;
    layout.width = width;
    layout.height = height;
    layout.topDown = topDown;
    layout.bitCount = bitCount;
    layout.compression = compression;
    layout.infoSize = infoSize;
    layout.offBits = offBits;
    if (compression == BitFields || compression == AlphaBitFields) {
        // After the 40-byte header, or in the later headers' own fields.
        const bool alpha = infoSize >= 56 || compression == AlphaBitFields;
        if (head.size() >= FileHeader + 40 + (alpha ? 16 : 12)) {
            layout.redMask = u32(d + 54);
            layout.greenMask = u32(d + 58);
            layout.blueMask = u32(d + 62);
            layout.alphaMask = alpha ? u32(d + 66) : 0;
        }
    }
    return layout;
}

namespace {

qint64 rowBytesOf(qint64 width, int bitCount) { return ((width * bitCount + 31) / 32) * 4; }

// Which layouts are read here: those whose pixels are the picture's own
// bytes (32-bit) or its bytes without the fourth (24-bit). The masks must be
// the usual ones; Qt's reader takes the rest.
bool readsDirectly(const BmpLayout &layout)
{
    if (layout.bitCount == 24)
        return layout.compression == Rgb;
    if (layout.bitCount != 32)
        return false;
    if (layout.compression == Rgb)
        return layout.infoSize == 40;  // later headers may give masks Qt applies
    return layout.compression == BitFields && (layout.infoSize == 40 || layout.infoSize >= 108)
           && layout.redMask == 0x00FF0000 && layout.greenMask == 0x0000FF00 && layout.blueMask == 0x000000FF
           && (layout.alphaMask == 0 || layout.alphaMask == 0xFF000000);
}

// One row of 24-bit pixels: each pixel is read as four bytes (the fourth is
// the next pixel's blue, or padding) and made opaque.
void expandRow24(const uchar *from, QRgb *to, qint64 width)
{
    for (qint64 x = 0; x < width; ++x)
        to[x] = qFromLittleEndian<quint32>(from + 3 * x) | 0xFF000000u;
}

// One row of 32-bit pixels, opaque or with their alpha; returns the AND of
// the row's pixels, whose top byte is 0xFF when every pixel is opaque.
quint32 copyRow32(const uchar *from, QRgb *to, qint64 width, bool keepAlpha)
{
    const quint32 opaque = keepAlpha ? 0 : 0xFF000000u;
    quint32 all = 0xFFFFFFFFu;
    for (qint64 x = 0; x < width; ++x) {
        to[x] = qFromLittleEndian<quint32>(from + 4 * x) | opaque;
        all &= to[x];
    }
    return all;
}

// One row of the picture as 24-bit pixels: each pixel is written as four
// bytes (B, G, R, A) and the next one overwrites the fourth; the padding is
// cleared after the row, so the buffer needs four bytes to spare.
void packRow24(const QRgb *from, uchar *to, qint64 width, qint64 rowBytes)
{
    for (qint64 x = 0; x < width; ++x) {
        const quint32 pixel = qToLittleEndian(quint32(from[x]));
        std::memcpy(to + 3 * x, &pixel, 4);
    }
    std::memset(to + 3 * width, 0, size_t(rowBytes - 3 * width));
}

// Reads bytes at an offset of the file, whatever the device's position.
}  // namespace

std::optional<QImage> readBmpDirectly(QIODevice &device, const BmpLayout &layout, const QString &name)
{
    if (!readsDirectly(layout))
        return std::nullopt;
    const qint64 width = layout.width, height = layout.height;
    const qint64 rowBytes = rowBytesOf(width, layout.bitCount);
    QImage picture = newRaster(int(width), int(height));
    if (picture.isNull())
        throw Error(ErrOutOfMemory);
    const bool keepAlpha = layout.alphaMask != 0;
    std::atomic<quint32> all = 0xFFFFFFFFu;  // the top byte stays 0xFF while every pixel is opaque
    std::atomic<bool> cutShort = false;
    // Rows [first, end) of the file through a chunk of their own: from the
    // file at their offset (so bands on several cores read and convert at
    // once, and the fresh picture's pages are cleared in parallel), or in
    // order from any other device.
    const auto readRows = [&](qint64 first, qint64 end, const auto &read) {
        const qint64 rowsPerChunk = std::max<qint64>(1, ChunkBytes / rowBytes);
        std::vector<uchar> chunk(size_t(std::min(rowsPerChunk, end - first) * rowBytes + 4), 0);
        quint32 seen = 0xFFFFFFFFu;
        for (qint64 row = first; row < end && !cutShort; row += rowsPerChunk) {
            const qint64 rows = std::min(rowsPerChunk, end - row);
            if (!read(chunk.data(), row, rows * rowBytes)) {
                cutShort = true;
                return;
            }
            for (qint64 i = 0; i < rows; ++i) {
                const qint64 fileRow = row + i;
                auto *line =
                    reinterpret_cast<QRgb *>(picture.scanLine(int(layout.topDown ? fileRow : height - 1 - fileRow)));
                const uchar *from = chunk.data() + i * rowBytes;
                if (layout.bitCount == 24)
                    expandRow24(from, line, width);
                else
                    seen &= copyRow32(from, line, width, keepAlpha);
            }
        }
        all &= seen;
    };
    auto *file = qobject_cast<QFileDevice *>(&device);
    if (file && file->handle() >= 0) {
        const int handle = file->handle();
        forRowBands(int(height), width * height, [&](int first, int end) {
            readRows(first, end, [&](uchar *into, qint64 row, qint64 bytes) {
                return readAt(handle, into, bytes, layout.offBits + row * rowBytes);
            });
        });
    } else {
        if (!device.seek(layout.offBits))
            invalidPicture(name, QCoreApplication::translate("Error", "the pixel data cannot be reached"));
        readRows(0, height, [&](uchar *into, qint64, qint64 bytes) {
            return device.read(reinterpret_cast<char *>(into), bytes) == bytes;
        });
    }
    if (cutShort)
        invalidPicture(name, QCoreApplication::translate("Error", "the bitmap file is truncated"));
    if ((all >> 24) != 0xFF)
        picture.reinterpretAsFormat(QImage::Format_ARGB32);
    return picture;
}

bool writeBmp24(const QImage &picture, QIODevice &device)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);  // no copy when it is one
    const qint64 width = image.width(), height = image.height();
    const qint64 rowBytes = rowBytesOf(width, 24);
    const qint64 dataSize = rowBytes * height;
    constexpr int HeadersSize = FileHeader + 40;
    if (HeadersSize + dataSize > 0xFFFFFFFFll)
        throw Error(ErrInvalidPicture,
                    QCoreApplication::translate("Error", "The picture is too large for a bitmap file."));

    char headers[HeadersSize] = {};
    headers[0] = 'B';
    headers[1] = 'M';
    qToLittleEndian<quint32>(quint32(HeadersSize + dataSize), headers + 2);
    qToLittleEndian<quint32>(HeadersSize, headers + 10);
    qToLittleEndian<quint32>(40, headers + 14);
    qToLittleEndian<qint32>(qint32(width), headers + 18);
    qToLittleEndian<qint32>(qint32(height), headers + 22);  // positive: bottom-up
    qToLittleEndian<quint16>(1, headers + 26);
    qToLittleEndian<quint16>(24, headers + 28);
    qToLittleEndian<quint32>(Rgb, headers + 30);
    qToLittleEndian<quint32>(quint32(dataSize), headers + 34);
    qToLittleEndian<qint32>(3780, headers + 38);  // 96 DPI in pixels a metre
    qToLittleEndian<qint32>(3780, headers + 42);
    if (device.write(headers, HeadersSize) != HeadersSize)
        return false;

    const qint64 rowsPerChunk = std::max<qint64>(1, ChunkBytes / std::max<qint64>(rowBytes, 1));
    const qint64 chunks = (height + rowsPerChunk - 1) / rowsPerChunk;
    std::vector<uchar> buffers[2];
    const auto pack = [&](qint64 chunk) {
        std::vector<uchar> &into = buffers[chunk % 2];
        into.resize(size_t(rowsPerChunk * rowBytes + 4));
        const qint64 first = chunk * rowsPerChunk, rows = std::min(rowsPerChunk, height - first);
        for (qint64 i = 0; i < rows; ++i) {
            const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(int(height - 1 - (first + i))));
            packRow24(line, into.data() + i * rowBytes, width, rowBytes);
        }
    };
    bool written = true;
    const auto write = [&](qint64 chunk) {
        const qint64 bytes = std::min(rowsPerChunk, height - chunk * rowsPerChunk) * rowBytes;
        written = written && device.write(reinterpret_cast<const char *>(buffers[chunk % 2].data()), bytes) == bytes;
    };
    // A large picture's next chunk is converted on another core while this
    // chunk is written: each is about half of a save.
    if (rowBandCount(int(std::min<qint64>(chunks, 2)), width * height) < 2) {
        for (qint64 chunk = 0; chunk < chunks && written; ++chunk) {
            pack(chunk);
            write(chunk);
        }
        return written;
    }
    RowBandTeam team(2);
    for (qint64 round = 0; round <= chunks && written; ++round)
        team.run([&](int band) {
            if (band == 0 && round > 0)
                write(round - 1);
            else if (band == 1 && round < chunks)
                pack(round);
        });
    return written;
}

}  // namespace pinxel
