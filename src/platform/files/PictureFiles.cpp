#include "platform/files/PictureFiles.h"

#include "pinxel/Error.h"
#include "pinxel/HostServices.h"
#include "platform/files/BmpFile.h"
#include "platform/files/CursorFile.h"
#include "platform/files/FileReads.h"
#include "platform/files/JpegFile.h"
#include "platform/files/PictureFileChecks.h"
#include "platform/files/PngFile.h"
#include "platform/raster/RasterPool.h"
#include "platform/raster/RowBands.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QtEndian>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace pinxel {

void invalidPicture(const QString &name, const QString &why)
{
    const QString where = name.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(name);
    throw Error(ErrInvalidPicture, QCoreApplication::translate("Error", "Invalid picture%1: %2").arg(where, why));
}

void checkPictureSize(qint64 width, qint64 height, const QString &name)
{
    if (width <= 0 || height <= 0)
        invalidPicture(name, QCoreApplication::translate("Error", "the picture has no pixels"));
    if (width > MaxPictureSide || height > MaxPictureSide || width * height > MaxPicturePixels)
        invalidPicture(name, QCoreApplication::translate("Error", "%1 x %2 pixels is larger than the largest picture "
                                                                  "(%3 pixels a side, %4 pixels in all)")
                                 .arg(width)
                                 .arg(height)
                                 .arg(MaxPictureSide)
                                 .arg(MaxPicturePixels));
}

void checkDataCanFill(qint64 pixels, qint64 fillable, qint64 bytes, const QString &name)
{
    constexpr qint64 SmallPicture = qint64(1) << 20;
    if (pixels > SmallPicture && pixels > fillable)
        invalidPicture(
            name,
            QCoreApplication::translate("Error", "%1 bytes of data cannot fill %2 pixels").arg(bytes).arg(pixels));
}

namespace {

[[noreturn]] void truncated(const QString &name)
{
    invalidPicture(name, QCoreApplication::translate("Error", "the file is truncated"));
}

// Qt's GIF reader also returns what it decoded before the data ran out, so
// the block structure is walked first: every block must be complete, and the
// file may end only between blocks.
void validateGif(const QByteArray &data, const QString &name)
{
    const auto *d = reinterpret_cast<const uchar *>(data.constData());
    const qint64 size = data.size();
    qint64 pos = 13;
    if (size < pos)
        truncated(name);
    const auto skipColorTable = [&](uchar flags) {
        if (flags & 0x80)
            pos += 3 * (qint64(2) << (flags & 7));
    };
    const auto skipSubBlocks = [&] {
        for (;;) {
            if (pos >= size)
                truncated(name);
            const int length = d[pos++];
            if (length == 0)
                return;
            pos += length;
        }
    };
    skipColorTable(d[10]);
    bool sawImage = false;
    qint64 largestFrame = 0, fillable = 0;
    while (pos < size) {
        const uchar introducer = d[pos++];
        if (introducer == 0x3B)  // trailer
            break;
        if (introducer == 0x21) {  // extension: label, then sub-blocks
            ++pos;
            skipSubBlocks();
        } else if (introducer == 0x2C) {  // image: descriptor, local colours, code size, data
            if (pos + 9 > size)
                truncated(name);
            largestFrame =
                std::max(largestFrame, qint64(d[pos + 4] | d[pos + 5] << 8) * (d[pos + 6] | d[pos + 7] << 8));
            const uchar flags = d[pos + 8];
            pos += 9;
            skipColorTable(flags);
            if (pos >= size)
                truncated(name);
            const int codeSize = std::clamp(int(d[pos++]), 2, 11);
            const qint64 dataStart = pos;
            skipSubBlocks();
            // Each code adds at most one pixel to the longest string so far,
            // and no string is longer than the 4096 codes of the table.
            const qint64 codes = (pos - dataStart) * 8 / (codeSize + 1);
            fillable += std::min(codes * (codes + 1) / 2, codes * 4096);
            sawImage = true;
        } else {
            invalidPicture(name, QCoreApplication::translate("Error", "unknown GIF block 0x%1")
                                     .arg(introducer, 2, 16, QLatin1Char('0')));
        }
    }
    if (pos > size || !sawImage)
        truncated(name);
    const qint64 screen = qint64(d[6] | d[7] << 8) * (d[8] | d[9] << 8);
    checkDataCanFill(std::max(screen, largestFrame), fillable, size, name);
}

// Libjpeg fills a cut-off picture with grey and only warns, so the markers
// are walked first: the scans must run on to the end-of-image marker.
void validateJpeg(const QByteArray &data, const QString &name)
{
    const auto *d = reinterpret_cast<const uchar *>(data.constData());
    const qint64 size = data.size();
    qint64 pos = 2;
    for (;;) {
        if (pos >= size || d[pos] != 0xFF)
            truncated(name);
        while (pos < size && d[pos] == 0xFF)
            ++pos;
        if (pos >= size)
            truncated(name);
        const uchar marker = d[pos++];
        if (marker == 0xD9)  // end of image
            return;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue;
        if (pos + 2 > size)
            truncated(name);
        pos += (qint64(d[pos]) << 8) | d[pos + 1];
        if (marker != 0xDA)
            continue;
        // Entropy-coded data: 0xFF is followed by a stuffed 0 or a restart
        // marker. The scan runs through most of the file, so it leaps from
        // one 0xFF to the next.
        for (;;) {
            if (pos >= size)
                truncated(name);
            const auto *ff = static_cast<const uchar *>(std::memchr(d + pos, 0xFF, std::size_t(size - pos)));
            if (!ff)
                truncated(name);
            pos = ff - d;
            if (pos + 1 >= size)
                truncated(name);
            if (d[pos + 1] != 0 && !(d[pos + 1] >= 0xD0 && d[pos + 1] <= 0xD7))
                break;
            ++pos;
        }
    }
}

bool hasTransparency(const QImage &image)
{
    if (!image.hasAlphaChannel())
        return false;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(line[x]) != 255)
                return true;
    }
    return false;
}

QImage normalized(const QImage &image)
{
    return hasTransparency(image) ? image.convertToFormat(QImage::Format_ARGB32)
                                  : image.convertToFormat(QImage::Format_RGB32);
}

// Qt reads the formats it alone decodes here; the format is the one the
// content showed, never Qt's guess, so no other plugin ever sees the file.
QImage readThroughQt(QIODevice &device, const char *format, const QString &name)
{
    QImageReader reader(&device, format);
    reader.setDecideFormatFromContent(false);
    // Room for the largest picture in 32 bits a pixel, and no more.
    reader.setAllocationLimit(int(MaxPicturePixels * 4 / (1024 * 1024)) + 1);
    if (!reader.canRead())
        invalidPicture(name, QCoreApplication::translate("Error", "not a picture file of a known format"));
    const QSize size = reader.size();
    if (size.isValid())
        checkPictureSize(size.width(), size.height(), name);
    QImage image;
    if (!reader.read(&image) || image.isNull())
        invalidPicture(name, reader.errorString());
    checkPictureSize(image.width(), image.height(), name);
    return image;
}

// The six formats are told apart by their first bytes, and only they are read.
QImage decodeDevice(QIODevice &device, qint64 size, const QString &name)
{
    if (size <= 0)
        invalidPicture(name, QCoreApplication::translate("Error", "the file is empty"));
    const QByteArray head = device.peek(14 + 124);
    if (head.startsWith("BM")) {
        const BmpLayout layout = validateBmp(head, size, name);
        if (std::optional<QImage> picture = readBmpDirectly(device, layout, name))
            return *picture;
        return normalized(readThroughQt(device, "bmp", name));
    }
    if (looksLikeIconDirectory(head)) {
        const QByteArray all = device.readAll();
        return normalized(decodeIconDirectory(all, name).image);
    }
    const bool gif = head.startsWith("GIF87a") || head.startsWith("GIF89a");
    const bool jpeg = head.startsWith("\xFF\xD8\xFF");
    const bool png = head.startsWith("\x89PNG\r\n\x1A\n");
    if (!gif && !jpeg && !png)
        invalidPicture(name, QCoreApplication::translate("Error", "not a picture file of a known format"));
    // A buffer's bytes are read where they are; a file's go into memory of
    // large pages, which the system maps in a few steps instead of thousands.
    QBuffer buffer;
    std::unique_ptr<char, decltype(&std::free)> fileBytes(nullptr, std::free);
    if (auto *memory = qobject_cast<QBuffer *>(&device)) {
        buffer.setData(memory->data());
    } else {
        fileBytes.reset(static_cast<char *>(std::malloc(std::size_t(size))));
        if (!fileBytes)
            throw Error(ErrOutOfMemory);
        preferLargePages(fileBytes.get(), std::size_t(size));
        // A large file is read in bands on the cores, each at its offset:
        // the system's copy into fresh pages is most of reading it.
        auto *file = qobject_cast<QFileDevice *>(&device);
        std::atomic<bool> whole = true;
        if (file && file->handle() >= 0) {
            constexpr qint64 Chunk = qint64(1) << 20;
            const int handle = file->handle();
            forRowBands(int((size + Chunk - 1) / Chunk), size / 4, [&](int first, int end) {
                const qint64 from = first * Chunk, to = std::min(size, end * Chunk);
                if (!readAt(handle, reinterpret_cast<uchar *>(fileBytes.get()) + from, to - from, from))
                    whole = false;
            });
        } else {
            whole = device.read(fileBytes.get(), size) == size;
        }
        if (!whole)
            invalidPicture(name, QCoreApplication::translate("Error", "the file could not be read to its end"));
        buffer.setData(QByteArray::fromRawData(fileBytes.get(), size));
    }
    if (jpeg) {
        validateJpeg(buffer.data(), name);
        return readJpeg(buffer.data(), name);
    }
    if (png)
        return readPng(buffer.data(), name);
    validateGif(buffer.data(), name);
    buffer.open(QIODevice::ReadOnly);
    return normalized(readThroughQt(buffer, "gif", name));
}

}  // namespace

QImage decodePicture(const QByteArray &data, const QString &name)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    return decodeDevice(buffer, data.size(), name);
}

QImage loadPictureFile(const QString &path)
{
    if (path.isEmpty())
        return QImage();
    const QFileInfo info(path);
    if (!info.exists())
        throw Error(ErrFileNotFound, QCoreApplication::translate("Error", "File not found: %1").arg(path));
    if (info.isDir())
        throw Error(ErrFileNotFound, QCoreApplication::translate("Error", "File not found: %1 is a folder").arg(path));
    // A pipe or a device would block the read or never end.
    if (!info.isFile())
        throw Error(ErrFileNotFound,
                    QCoreApplication::translate("Error", "File not found: %1 is not a regular file").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (file.error() == QFileDevice::PermissionsError)
            throw Error(ErrPermissionDenied,
                        QCoreApplication::translate("Error", "Permission denied: cannot read %1").arg(path));
        throw Error(
            ErrDeviceIO,
            QCoreApplication::translate("Error", "Device I/O error: cannot read %1: %2").arg(path, file.errorString()));
    }
    return decodeDevice(file, file.size(), path);
}

QByteArray encodeBmp24(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    writeBmp24(picture, buffer);
    return bytes;
}

void saveImageFile(const QImage &picture, const QString &path, const char *format)
{
    if (picture.isNull())
        throw Error(ErrInvalidPicture,
                    QCoreApplication::translate("Error", "Invalid picture: there is no picture to save"));
    saveFileAtomically(path, [&](QIODevice &device) { return QImageWriter(&device, format).write(picture); });
}

void savePictureFile(const QImage &picture, const QString &path)
{
    if (picture.isNull())
        throw Error(ErrInvalidPicture,
                    QCoreApplication::translate("Error", "Invalid picture: there is no picture to save"));
    checkPictureSize(picture.width(), picture.height(), QString());
    saveFileAtomically(path, [&picture](QIODevice &device) { return writeBmp24(picture, device); });
}

}  // namespace pinxel
