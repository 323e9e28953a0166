#include "platform/files/CursorFile.h"

#include "pinxel/Error.h"
#include "platform/files/PictureFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QtEndian>

#include <vector>

namespace pinxel {

namespace {

constexpr int DirHeader = 6;
constexpr int DirEntry = 16;
constexpr int InfoHeader = 40;
constexpr int MaxIconSide = 1024;
constexpr qint64 MaxIconFile = 64 * 1024 * 1024;

enum IconType : quint16 {
    TypeIcon = 1,
    TypeCursor = 2
};

[[noreturn]] void invalid(const QString &name, const QString &why)
{
    const QString where = name.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(name);
    throw Error(ErrInvalidPicture, QCoreApplication::translate("Error", "Invalid picture%1: %2").arg(where, why));
}

quint16 u16(const char *p) { return qFromLittleEndian<quint16>(p); }
quint32 u32(const char *p) { return qFromLittleEndian<quint32>(p); }
qint32 s32(const char *p) { return qFromLittleEndian<qint32>(p); }

struct Entry {
    int width;
    int height;
    int hotX;
    int hotY;
    quint32 size;
    quint32 offset;
};

// One device-independent bitmap of an icon: the colour (XOR) image stacked
// on the 1-bit AND mask, both bottom-up, the header's height counting both.
QImage decodeDib(const char *d, qint64 size, const QString &name)
{
    if (size < InfoHeader)
        invalid(name, QCoreApplication::translate("Error", "the icon image is truncated"));
    const quint32 headerSize = u32(d);
    const qint32 width = s32(d + 4);
    const qint32 doubleHeight = s32(d + 8);
    const int bitCount = u16(d + 14);
    const quint32 compression = u32(d + 16);
    const quint32 colorsUsed = u32(d + 32);
    if (headerSize < InfoHeader || headerSize > size)
        invalid(name, QCoreApplication::translate("Error", "unknown icon image header"));
    const int height = doubleHeight / 2;
    if (width <= 0 || height <= 0 || width > MaxIconSide || height > MaxIconSide)
        invalid(name, QCoreApplication::translate("Error", "an icon image of %1 x %2 pixels").arg(width).arg(height));
    if (compression != 0)
        invalid(name, QCoreApplication::translate("Error", "compressed icon images are not supported"));
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32)
        invalid(name, QCoreApplication::translate("Error", "%1 bits per pixel is not an icon depth").arg(bitCount));
    qint64 paletteEntries = 0;
    if (bitCount <= 8) {
        paletteEntries = colorsUsed ? qint64(colorsUsed) : (qint64(1) << bitCount);
        if (paletteEntries > 256)
            invalid(name, QCoreApplication::translate("Error", "a palette of %1 colours").arg(paletteEntries));
    }
    const qint64 xorStride = ((qint64(width) * bitCount + 31) / 32) * 4;
    const qint64 andStride = ((qint64(width) + 31) / 32) * 4;
    const qint64 xorStart = headerSize + paletteEntries * 4;
    const qint64 andStart = xorStart + xorStride * height;
    bool hasMask = andStart + andStride * height <= size;
    // A 32-bit image carries its alpha and may leave the mask out; the others need it.
    if (andStart > size || (!hasMask && bitCount != 32))
        invalid(name, QCoreApplication::translate("Error", "the icon image is truncated"));

    std::vector<QRgb> palette(static_cast<size_t>(paletteEntries));
    for (qint64 i = 0; i < paletteEntries; ++i) {
        const char *p = d + headerSize + i * 4;
        palette[size_t(i)] = qRgb(uchar(p[2]), uchar(p[1]), uchar(p[0]));
    }

    QImage image(width, height, QImage::Format_ARGB32);
    bool anyAlpha = false;
    for (int y = 0; y < height; ++y) {
        const auto *row = reinterpret_cast<const uchar *>(d + xorStart + xorStride * (height - 1 - y));
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            QRgb colour = 0;
            switch (bitCount) {
            case 32:
                colour = qRgba(row[x * 4 + 2], row[x * 4 + 1], row[x * 4], row[x * 4 + 3]);
                anyAlpha = anyAlpha || row[x * 4 + 3] != 0;
                break;
            case 24:
                colour = qRgb(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]);
                break;
            default: {
                const int perByte = 8 / bitCount;
                const int shift = 8 - bitCount * (x % perByte + 1);
                const size_t index = (row[x / perByte] >> shift) & ((1 << bitCount) - 1);
                colour = index < palette.size() ? palette[index] : qRgb(0, 0, 0);
            }
            }
            out[x] = colour;
        }
    }
    // Without a real alpha channel the AND mask decides. A masked pixel with
    // a colour would invert the screen; that has no equal here, so it shows black.
    if (!anyAlpha) {
        for (int y = 0; y < height; ++y) {
            const auto *mask =
                hasMask ? reinterpret_cast<const uchar *>(d + andStart + andStride * (height - 1 - y)) : nullptr;
            auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < width; ++x) {
                const bool masked = mask && ((mask[x / 8] >> (7 - x % 8)) & 1);
                const QRgb rgb = out[x] & 0xFFFFFF;
                out[x] = !masked ? (0xFF000000u | rgb) : rgb ? qRgba(0, 0, 0, 255) : 0u;
            }
        }
    }
    return image;
}

}  // namespace

bool looksLikeIconDirectory(const QByteArray &data)
{
    if (data.size() < DirHeader)
        return false;
    const char *d = data.constData();
    const quint16 type = u16(d + 2);
    return u16(d) == 0 && (type == TypeIcon || type == TypeCursor) && u16(d + 4) > 0;
}

CursorImage decodeIconDirectory(const QByteArray &data, const QString &name)
{
    if (!looksLikeIconDirectory(data))
        invalid(name, QCoreApplication::translate("Error", "not an icon or cursor file"));
    const char *d = data.constData();
    const bool cursor = u16(d + 2) == TypeCursor;
    const int count = u16(d + 4);
    if (DirHeader + qint64(count) * DirEntry > data.size())
        invalid(name, QCoreApplication::translate("Error", "the icon directory is truncated"));

    std::vector<Entry> entries;
    for (int i = 0; i < count; ++i) {
        const char *e = d + DirHeader + i * DirEntry;
        Entry entry{uchar(e[0]) ? uchar(e[0]) : 256,
                    uchar(e[1]) ? uchar(e[1]) : 256,
                    u16(e + 4),
                    u16(e + 6),
                    u32(e + 8),
                    u32(e + 12)};
        if (entry.offset < DirHeader || qint64(entry.offset) + entry.size > data.size() || entry.size == 0)
            invalid(name, QCoreApplication::translate("Error", "image %1 of the icon directory lies outside the file")
                              .arg(i + 1));
        entries.push_back(entry);
    }
    // The pointer size when there is one, else the largest image.
    const Entry *best = &entries.front();
    for (const Entry &entry : entries) {
        const bool bestIsPointer = best->width == 32 && best->height == 32;
        if (entry.width == 32 && entry.height == 32 && !bestIsPointer)
            best = &entry;
        else if (!bestIsPointer && entry.width * entry.height > best->width * best->height)
            best = &entry;
    }

    const char *image = d + best->offset;
    CursorImage result;
    if (best->size >= 8 && QByteArray::fromRawData(image, 8) == QByteArray("\x89PNG\r\n\x1a\n", 8))
        result.image = decodePicture(QByteArray(image, best->size), name).convertToFormat(QImage::Format_ARGB32);
    else
        result.image = decodeDib(image, best->size, name);

    const int width = result.image.width(), height = result.image.height();
    result.hotSpot = cursor ? QPoint(qBound(0, best->hotX, width - 1), qBound(0, best->hotY, height - 1))
                            : QPoint(width / 2, height / 2);
    return result;
}

CursorImage readCursorFile(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists() || info.isDir())
        throw Error(ErrFileNotFound, QCoreApplication::translate("Error", "File not found: %1").arg(path));
    if (info.size() > MaxIconFile)
        invalid(path, QCoreApplication::translate("Error", "the file is too large for a cursor"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(ErrPermissionDenied,
                    QCoreApplication::translate("Error", "Permission denied: cannot read %1").arg(path));
    return decodeIconDirectory(file.readAll(), path);
}

QByteArray encodeCursor(const QImage &source, QPoint hotSpot)
{
    if (source.isNull() || source.width() > 256 || source.height() > 256)
        throw Error(ErrInvalidProcedureCall,
                    QCoreApplication::translate("Error", "A cursor is 1 to 256 pixels a side."));
    if (!QRect(QPoint(0, 0), source.size()).contains(hotSpot))
        throw Error(ErrInvalidProcedureCall,
                    QCoreApplication::translate("Error", "The hot spot lies outside the cursor."));
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width(), height = image.height();
    const int xorBytes = width * 4 * height;
    const int andStride = ((width + 31) / 32) * 4;
    const int andBytes = andStride * height;
    const int imageBytes = InfoHeader + xorBytes + andBytes;

    QByteArray out(DirHeader + DirEntry + imageBytes, '\0');
    char *d = out.data();
    qToLittleEndian<quint16>(TypeCursor, d + 2);
    qToLittleEndian<quint16>(1, d + 4);
    char *e = d + DirHeader;
    e[0] = char(width == 256 ? 0 : width);
    e[1] = char(height == 256 ? 0 : height);
    qToLittleEndian<quint16>(quint16(hotSpot.x()), e + 4);
    qToLittleEndian<quint16>(quint16(hotSpot.y()), e + 6);
    qToLittleEndian<quint32>(quint32(imageBytes), e + 8);
    qToLittleEndian<quint32>(DirHeader + DirEntry, e + 12);

    char *h = e + DirEntry;
    qToLittleEndian<quint32>(InfoHeader, h);
    qToLittleEndian<qint32>(width, h + 4);
    qToLittleEndian<qint32>(height * 2, h + 8);
    qToLittleEndian<quint16>(1, h + 12);
    qToLittleEndian<quint16>(32, h + 14);
    qToLittleEndian<quint32>(quint32(xorBytes + andBytes), h + 20);

    auto *xorData = reinterpret_cast<uchar *>(h + InfoHeader);
    auto *andData = xorData + xorBytes;
    for (int y = 0; y < height; ++y) {
        const auto *src = reinterpret_cast<const QRgb *>(image.constScanLine(height - 1 - y));
        uchar *px = xorData + y * width * 4;
        uchar *mask = andData + y * andStride;
        for (int x = 0; x < width; ++x) {
            const QRgb c = src[x];
            if (qAlpha(c) == 0) {
                mask[x / 8] |= uchar(0x80 >> (x % 8));
                continue;  // a clear pixel stays 0 in the colour image
            }
            px[x * 4] = uchar(qBlue(c));
            px[x * 4 + 1] = uchar(qGreen(c));
            px[x * 4 + 2] = uchar(qRed(c));
            px[x * 4 + 3] = uchar(qAlpha(c));
        }
    }
    return out;
}

void writeCursorFile(const QString &path, const QImage &image, QPoint hotSpot)
{
    const QByteArray bytes = encodeCursor(image, hotSpot);
    saveFileAtomically(path, [&bytes](QIODevice &device) { return device.write(bytes) == bytes.size(); });
}

}  // namespace pinxel
