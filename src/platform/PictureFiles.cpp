#include "platform/PictureFiles.h"

#include "pinxel/Error.h"
#include "pinxel/HostServices.h"
#include "platform/CursorFile.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <QtEndian>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace pinxel {

namespace {

[[noreturn]] void invalidPicture(const QString &name, const QString &why)
{
    const QString where = name.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(name);
    throw Error(ErrInvalidPicture, QStringLiteral("Invalid picture%1: %2").arg(where, why));
}

void checkPictureSize(qint64 width, qint64 height, const QString &name)
{
    if (width <= 0 || height <= 0)
        invalidPicture(name, QStringLiteral("the picture has no pixels"));
    if (width > MaxPictureSide || height > MaxPictureSide || width * height > MaxPicturePixels)
        invalidPicture(name, QStringLiteral("%1 x %2 pixels is larger than the largest picture "
                                            "(%3 pixels a side, %4 pixels in all)")
                                 .arg(width)
                                 .arg(height)
                                 .arg(MaxPictureSide)
                                 .arg(MaxPicturePixels));
}

quint16 u16(const char *p) { return qFromLittleEndian<quint16>(p); }
quint32 u32(const char *p) { return qFromLittleEndian<quint32>(p); }
qint32 s32(const char *p) { return qFromLittleEndian<qint32>(p); }

// Qt's BMP reader happily returns a picture whose pixel data was cut short,
// so the headers are checked against the file's length before it reads.
void validateBmp(const QByteArray &head, qint64 fileSize, const QString &name)
{
    constexpr int FileHeader = 14;
    if (fileSize < FileHeader + 12 || head.size() < FileHeader + 12)
        invalidPicture(name, QStringLiteral("the bitmap file is truncated"));
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
            invalidPicture(name, QStringLiteral("the bitmap file is truncated"));
        width = s32(d + 18);
        height = s32(d + 22);
        bitCount = u16(d + 28);
        compression = u32(d + 30);
        sizeImage = u32(d + 34);
        colorsUsed = u32(d + 46);
    } else {
        invalidPicture(name, QStringLiteral("unknown bitmap header of %1 bytes").arg(infoSize));
    }
    if (fileSize < FileHeader + qint64(infoSize))
        invalidPicture(name, QStringLiteral("the bitmap file is truncated"));
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
        invalidPicture(name, QStringLiteral("%1 bits per pixel is not a bitmap depth").arg(bitCount));
    }
    enum {
        Rgb = 0,
        Rle8 = 1,
        Rle4 = 2,
        BitFields = 3,
        AlphaBitFields = 6
    };
    const bool rle = compression == Rle8 || compression == Rle4;
    if (compression == Rle8 && bitCount != 8)
        invalidPicture(name, QStringLiteral("8-bit run-length coding on a %1-bit bitmap").arg(bitCount));
    if (compression == Rle4 && bitCount != 4)
        invalidPicture(name, QStringLiteral("4-bit run-length coding on a %1-bit bitmap").arg(bitCount));
    if (rle && topDown)
        invalidPicture(name, QStringLiteral("a run-length coded bitmap cannot be stored top-down"));
    if (!rle && compression != Rgb && compression != BitFields && compression != AlphaBitFields)
        invalidPicture(name, QStringLiteral("unsupported bitmap compression %1").arg(compression));

    qint64 paletteEntries = 0;
    if (bitCount <= 8) {
        paletteEntries = colorsUsed ? qint64(colorsUsed) : (qint64(1) << bitCount);
        if (paletteEntries > 256)
            invalidPicture(name, QStringLiteral("a palette of %1 colours").arg(paletteEntries));
    }
    const qint64 masks = (compression == BitFields && infoSize == 40) ? 12 : 0;
    const qint64 headersEnd = FileHeader + infoSize + masks + paletteEntries * paletteEntrySize;
    if (headersEnd > fileSize)
        invalidPicture(name, QStringLiteral("the bitmap file is truncated in its palette"));
    if (offBits < FileHeader + infoSize || offBits >= fileSize)
        invalidPicture(name, QStringLiteral("the pixel data offset %1 lies outside the file").arg(offBits));

    const qint64 available = fileSize - offBits;
    if (rle) {
        if (sizeImage > available)
            invalidPicture(name, QStringLiteral("the bitmap file is truncated: %1 of %2 bytes of pixel data")
                                     .arg(available)
                                     .arg(sizeImage));
    } else {
        const qint64 rowBytes = ((width * bitCount + 31) / 32) * 4;
        const qint64 needed = rowBytes * height;
        if (needed > available)
            invalidPicture(name, QStringLiteral("the bitmap file is truncated: %1 of %2 bytes of pixel data")
                                     .arg(available)
                                     .arg(needed));
    }
}

[[noreturn]] void truncated(const QString &name) { invalidPicture(name, QStringLiteral("the file is truncated")); }

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
            const uchar flags = d[pos + 8];
            pos += 9;
            skipColorTable(flags);
            ++pos;  // LZW minimum code size
            skipSubBlocks();
            sawImage = true;
        } else {
            invalidPicture(name, QStringLiteral("unknown GIF block 0x%1").arg(introducer, 2, 16, QLatin1Char('0')));
        }
    }
    if (pos > size || !sawImage)
        truncated(name);
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
        // Entropy-coded data: 0xFF is followed by a stuffed 0 or a restart marker.
        for (;;) {
            if (pos + 1 >= size)
                truncated(name);
            if (d[pos] == 0xFF && d[pos + 1] != 0 && !(d[pos + 1] >= 0xD0 && d[pos + 1] <= 0xD7))
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

QImage readThroughQt(QIODevice &device, const QString &name)
{
    QImageReader reader(&device);
    reader.setDecideFormatFromContent(true);
    // Room for the largest picture in 32 bits a pixel, and no more.
    reader.setAllocationLimit(int(MaxPicturePixels * 4 / (1024 * 1024)) + 1);
    if (!reader.canRead())
        invalidPicture(name, QStringLiteral("not a picture file of a known format"));
    const QSize size = reader.size();
    if (size.isValid())
        checkPictureSize(size.width(), size.height(), name);
    QImage image;
    if (!reader.read(&image) || image.isNull())
        invalidPicture(name, reader.errorString());
    checkPictureSize(image.width(), image.height(), name);
    return image;
}

QImage decodeDevice(QIODevice &device, qint64 size, const QString &name)
{
    if (size <= 0)
        invalidPicture(name, QStringLiteral("the file is empty"));
    const QByteArray head = device.peek(14 + 124);
    if (head.startsWith("BM"))
        validateBmp(head, size, name);
    if (looksLikeIconDirectory(head)) {
        const QByteArray all = device.readAll();
        return normalized(decodeIconDirectory(all, name).image);
    }
    const bool gif = head.startsWith("GIF87a") || head.startsWith("GIF89a");
    const bool jpeg = head.startsWith("\xFF\xD8\xFF");
    if (gif || jpeg) {
        QBuffer buffer;
        buffer.setData(device.readAll());
        gif ? validateGif(buffer.data(), name) : validateJpeg(buffer.data(), name);
        buffer.open(QIODevice::ReadOnly);
        return normalized(readThroughQt(buffer, name));
    }
    return normalized(readThroughQt(device, name));
}

QString systemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

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
        throw Error(ErrFileNotFound, QStringLiteral("File not found: %1").arg(path));
    if (info.isDir())
        throw Error(ErrFileNotFound, QStringLiteral("File not found: %1 is a folder").arg(path));
    // A pipe or a device would block the read or never end.
    if (!info.isFile())
        throw Error(ErrFileNotFound, QStringLiteral("File not found: %1 is not a regular file").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (file.error() == QFileDevice::PermissionsError)
            throw Error(ErrPermissionDenied, QStringLiteral("Permission denied: cannot read %1").arg(path));
        throw Error(ErrDeviceIO, QStringLiteral("Device I/O error: cannot read %1: %2").arg(path, file.errorString()));
    }
    return decodeDevice(file, file.size(), path);
}

QByteArray encodeBmp24(const QImage &picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const qint64 width = image.width(), height = image.height();
    const qint64 rowBytes = ((width * 24 + 31) / 32) * 4;
    const qint64 dataSize = rowBytes * height;
    constexpr int HeadersSize = 14 + 40;
    if (HeadersSize + dataSize > 0xFFFFFFFFll)
        throw Error(ErrInvalidPicture, QStringLiteral("The picture is too large for a bitmap file."));

    QByteArray out(HeadersSize + dataSize, '\0');
    char *d = out.data();
    d[0] = 'B';
    d[1] = 'M';
    qToLittleEndian<quint32>(quint32(HeadersSize + dataSize), d + 2);
    qToLittleEndian<quint32>(HeadersSize, d + 10);
    qToLittleEndian<quint32>(40, d + 14);
    qToLittleEndian<qint32>(qint32(width), d + 18);
    qToLittleEndian<qint32>(qint32(height), d + 22);  // positive: bottom-up
    qToLittleEndian<quint16>(1, d + 26);
    qToLittleEndian<quint16>(24, d + 28);
    qToLittleEndian<quint32>(0, d + 30);  // BI_RGB
    qToLittleEndian<quint32>(quint32(dataSize), d + 34);
    qToLittleEndian<qint32>(3780, d + 38);  // 96 DPI in pixels a metre
    qToLittleEndian<qint32>(3780, d + 42);
    for (qint64 y = 0; y < height; ++y) {
        const auto *src = reinterpret_cast<const QRgb *>(image.constScanLine(int(height - 1 - y)));
        auto *dst = reinterpret_cast<unsigned char *>(d + HeadersSize + y * rowBytes);
        for (qint64 x = 0; x < width; ++x) {
            *dst++ = static_cast<unsigned char>(qBlue(src[x]));
            *dst++ = static_cast<unsigned char>(qGreen(src[x]));
            *dst++ = static_cast<unsigned char>(qRed(src[x]));
        }
    }
    return out;
}

void checkWritableTarget(const QString &path)
{
    if (path.isEmpty())
        throw Error(ErrPathNotFound, QStringLiteral("Path not found: no file name was given"));
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    struct stat folderStat {};
    if (::stat(QFile::encodeName(folder).constData(), &folderStat) != 0 || !S_ISDIR(folderStat.st_mode))
        throw Error(ErrPathNotFound, QStringLiteral("Path not found: %1").arg(folder));
    struct stat fileStat {};
    const bool exists = ::stat(QFile::encodeName(info.absoluteFilePath()).constData(), &fileStat) == 0;
    if (exists && S_ISDIR(fileStat.st_mode))
        throw Error(ErrPermissionDenied, QStringLiteral("Permission denied: %1 is a folder").arg(path));
    if (exists && !S_ISREG(fileStat.st_mode))
        throw Error(ErrPermissionDenied, QStringLiteral("Permission denied: %1 is not a regular file").arg(path));
    // The owner's write bit decides, also for an administrator whom the
    // system itself would let through: read-only means read-only.
    if (exists && (!(fileStat.st_mode & S_IWUSR) || ::access(QFile::encodeName(path).constData(), W_OK) != 0))
        throw Error(ErrPermissionDenied, QStringLiteral("Permission denied: %1 is read-only").arg(path));
    if (!(folderStat.st_mode & S_IWUSR) || ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0)
        throw Error(ErrPermissionDenied, QStringLiteral("Permission denied: the folder %1 is read-only").arg(folder));
}

void saveFileAtomically(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    checkWritableTarget(path);
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        const int code = file.error() == QFileDevice::PermissionsError || errno == EACCES || errno == EPERM
                             ? ErrPermissionDenied
                             : ErrDeviceIO;
        throw Error(
            code,
            QStringLiteral("%1: cannot write %2: %3").arg(Error::standardDescription(code), path, file.errorString()));
    }
    if (!write(file)) {
        const QString why = file.errorString();
        file.cancelWriting();
        throw Error(ErrDeviceIO, QStringLiteral("Device I/O error: writing %1 failed: %2").arg(path, why));
    }
    if (!file.commit())
        throw Error(ErrDeviceIO, QStringLiteral("Device I/O error: writing %1 failed: %2 (%3)")
                                     .arg(path, file.errorString(), systemError(errno)));
}

void saveImageFile(const QImage &picture, const QString &path, const char *format)
{
    if (picture.isNull())
        throw Error(ErrInvalidPicture, QStringLiteral("Invalid picture: there is no picture to save"));
    QString why;
    try {
        saveFileAtomically(path, [&](QIODevice &device) {
            QImageWriter writer(&device, format);
            if (writer.write(picture))
                return true;
            why = writer.errorString();
            return false;
        });
    } catch (const Error &error) {
        throw Error(error.number(),
                    why.isEmpty() ? error.description() : QStringLiteral("%1 (%2)").arg(error.description(), why));
    }
}

void savePictureFile(const QImage &picture, const QString &path)
{
    if (picture.isNull())
        throw Error(ErrInvalidPicture, QStringLiteral("Invalid picture: there is no picture to save"));
    checkPictureSize(picture.width(), picture.height(), QString());
    checkWritableTarget(path);
    const QByteArray bytes = encodeBmp24(picture);
    saveFileAtomically(path, [&bytes](QIODevice &device) { return device.write(bytes) == bytes.size(); });
}

}  // namespace pinxel
