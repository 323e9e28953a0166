#include "platform/files/PngFile.h"

#include "pinxel/HostServices.h"
#include "platform/files/PictureFileChecks.h"
#include "platform/raster/RasterPool.h"

#include <QCoreApplication>
#include <QtEndian>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

#include <spng.h>
#include <zlib.h>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace pinxel {

namespace {

// Deflate writes at most 1032 bytes for one it was given, so the compressed
// rows of a picture take at least their size over 1032.
void checkHeader(const QByteArray &data, const QString &name)
{
    const auto *d = reinterpret_cast<const uchar *>(data.constData());
    if (data.size() < 33 || std::memcmp(d + 12, "IHDR", 4) != 0)
        invalidPicture(name, QCoreApplication::translate("Error", "the file is truncated"));
    const qint64 width = qFromBigEndian<quint32>(d + 16), height = qFromBigEndian<quint32>(d + 20);
    checkPictureSize(width, height, name);
    static const int channels[] = {1, 0, 3, 1, 2, 0, 4};
    const int colorType = d[25];
    const int bits = d[24] * (colorType < 7 ? std::max(channels[colorType], 1) : 1);
    const qint64 rowBytes = 1 + (width * bits + 7) / 8;
    checkDataCanFill(width * height, data.size() * 1032 / rowBytes * width, data.size(), name);
}

[[noreturn]] void damaged(const QString &name, int error)
{
    invalidPicture(
        name,
        QCoreApplication::translate("Error", "the file is damaged (%1)").arg(QString::fromUtf8(spng_strerror(error))));
}

// Byte-order RGBA, as libspng gives it, to the picture's 0xAARRGGBB; the
// AND of all alphas tells whether any pixel is transparent.
std::uint32_t fromRgba8(const std::uint32_t *in, QRgb *out, int count)
{
    std::uint32_t alphas = 0xFF000000u;
    for (int x = 0; x < count; ++x) {
        std::uint32_t p;
        std::memcpy(&p, in + x, 4);
        p = qFromLittleEndian(p);  // 0xAABBGGRR
        out[x] = (p & 0xFF00FF00u) | ((p & 0xFFu) << 16) | ((p >> 16) & 0xFFu);
        alphas &= p;
    }
    return alphas;
}

void fromRgb8Plain(const uchar *in, QRgb *out, int count)
{
    for (int x = 0; x < count; ++x, in += 3)
        out[x] = 0xFF000000u | (QRgb(in[0]) << 16) | (QRgb(in[1]) << 8) | in[2];
}

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
// Most photos are eight-bit RGB, and this reordering is a tenth of their
// decoding: four pixels a shuffle.
__attribute__((target("ssse3"))) void fromRgb8Ssse3(const uchar *in, QRgb *out, int count)
{
    const __m128i order = _mm_setr_epi8(2, 1, 0, -1, 5, 4, 3, -1, 8, 7, 6, -1, 11, 10, 9, -1);
    const __m128i opaque = _mm_set1_epi32(int(0xFF000000u));
    int x = 0;
    for (; x + 6 <= count; x += 4, in += 12) {  // each load reads 16 bytes, 2 pixels ahead
        const __m128i rgb = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + x), _mm_or_si128(_mm_shuffle_epi8(rgb, order), opaque));
    }
    fromRgb8Plain(in, out + x, count - x);
}

void fromRgb8(const uchar *in, QRgb *out, int count)
{
    static const bool ssse3 = __builtin_cpu_supports("ssse3");
    ssse3 ? fromRgb8Ssse3(in, out, count) : fromRgb8Plain(in, out, count);
}
#else
void fromRgb8(const uchar *in, QRgb *out, int count) { fromRgb8Plain(in, out, count); }
#endif

// The nearest eight-bit value, as Qt rounds sixteen-bit samples.
constexpr std::uint32_t eightBits(std::uint32_t x) { return (x + 0x80 - ((x + 0x80) >> 8)) >> 8; }

std::uint32_t fromRgba16(const std::uint16_t *in, QRgb *out, int count)
{
    std::uint32_t alphas = 0xFF000000u;
    for (int x = 0; x < count; ++x, in += 4) {
        const QRgb p = (eightBits(in[3]) << 24) | (eightBits(in[0]) << 16) | (eightBits(in[1]) << 8) | eightBits(in[2]);
        out[x] = p;
        alphas &= p;
    }
    return alphas;
}

// Each chunk's checksum already catches damage to the compressed data, so
// the stream's own checksum, which costs more, is not computed as well.
// The checksums of the image data, computed on a second core while the
// first decodes (they are a tenth of the work). The other chunks are
// checked before: a damaged ancillary chunk is dropped, which only the
// decoder's own checks do, so then the decoder checks everything itself.
class ImageDataChecksums {
public:
    // Whether every chunk before the data is sound and the data's chunks
    // could be found; the check of those then runs.
    bool start(const QByteArray &data)
    {
        const auto *d = reinterpret_cast<const uchar *>(data.constData());
        const qint64 size = data.size();
        std::vector<std::pair<qint64, qint64>> imageData;  // offset of the type, length of type and data
        for (qint64 pos = 8; pos + 12 <= size;) {
            const qint64 length = qFromBigEndian<quint32>(d + pos);
            if (length > size - pos - 12)
                return false;
            const bool isImageData = std::memcmp(d + pos + 4, "IDAT", 4) == 0;
            if (isImageData)
                imageData.emplace_back(pos + 4, length + 4);
            else if (crc32(0, d + pos + 4, uInt(length + 4)) != qFromBigEndian<quint32>(d + pos + 8 + length))
                return false;
            if (std::memcmp(d + pos + 4, "IEND", 4) == 0)
                break;
            pos += length + 12;
        }
        if (imageData.empty())
            return false;
        m_thread = std::thread([d, imageData = std::move(imageData), this] {
            for (const auto &[at, length] : imageData)
                if (crc32(0, d + at, uInt(length)) != qFromBigEndian<quint32>(d + at + length)) {
                    m_sound = false;
                    return;
                }
        });
        return true;
    }
    // Whether the data's chunks are sound; waits for their check.
    bool sound()
    {
        if (m_thread.joinable())
            m_thread.join();
        return m_sound;
    }
    ~ImageDataChecksums() { sound(); }

private:
    std::thread m_thread;
    std::atomic<bool> m_sound{true};
};

struct Context {
    spng_ctx *ctx = spng_ctx_new(SPNG_CTX_IGNORE_ADLER32);
    ~Context() { spng_ctx_free(ctx); }
};

}  // namespace

QImage readPng(const QByteArray &data, const QString &name)
{
    checkHeader(data, name);
    Context context;
    spng_ctx *ctx = context.ctx;
    if (!ctx)
        invalidPicture(name, QCoreApplication::translate("Error", "out of memory"));
    // Ancillary chunks with a bad checksum are dropped, as other readers do;
    // the text and profile chunks may not grow past what the file could hold.
    // Large pictures have their data's checksums checked beside the decoding.
    ImageDataChecksums checksums;
    const bool checkedBeside = qint64(data.size()) > (qint64(1) << 20) && checksums.start(data);
    if (checkedBeside)
        spng_set_crc_action(ctx, SPNG_CRC_USE, SPNG_CRC_USE);
    else
        spng_set_crc_action(ctx, SPNG_CRC_ERROR, SPNG_CRC_DISCARD);
    spng_set_image_limits(ctx, MaxPictureSide, MaxPictureSide);
    spng_set_chunk_limits(ctx, std::size_t(data.size()), std::size_t(64) << 20);
    if (const int error = spng_set_png_buffer(ctx, data.constData(), std::size_t(data.size())))
        damaged(name, error);
    spng_ihdr header{};
    if (const int error = spng_get_ihdr(ctx, &header))
        damaged(name, error);
    spng_trns trns{};
    const int trnsError = spng_get_trns(ctx, &trns);
    if (trnsError && trnsError != SPNG_ECHUNKAVAIL)
        damaged(name, trnsError);
    const bool keyed = trnsError == 0;

    const int width = int(header.width), height = int(header.height);
    // The grey a key makes transparent has read as transparent black here
    // (for two to eight bits; one-bit keys kept their grey), and stays so.
    const bool keyedGrey =
        keyed && header.color_type == SPNG_COLOR_TYPE_GRAYSCALE && header.bit_depth > 1 && header.bit_depth <= 8;
    const bool deep = header.bit_depth == 16;
    const bool rgb = !deep && !keyed && header.color_type == SPNG_COLOR_TYPE_TRUECOLOR;
    const int format = deep ? SPNG_FMT_RGBA16 : rgb ? SPNG_FMT_RGB8 : SPNG_FMT_RGBA8;
    const std::size_t rowBytes = std::size_t(width) * (deep ? 8 : rgb ? 3 : 4);

    QImage picture = newRaster(width, height);
    if (picture.isNull())
        invalidPicture(name,
                       QCoreApplication::translate("Error", "out of memory for %1 x %2 pixels").arg(width).arg(height));
    const PagesMappedAside mapped(picture.bits(), std::size_t(picture.sizeInBytes()));
    std::uint32_t alphas = 0xFF000000u;
    const auto convert = [&](const void *row, int y) {
        auto *out = reinterpret_cast<QRgb *>(picture.scanLine(y));
        if (deep)
            alphas &= fromRgba16(static_cast<const std::uint16_t *>(row), out, width);
        else if (rgb)
            fromRgb8(static_cast<const uchar *>(row), out, width);
        else
            alphas &= fromRgba8(static_cast<const std::uint32_t *>(row), out, width);
        if (keyedGrey)
            std::replace_if(
                out, out + width, [](QRgb p) { return qAlpha(p) == 0; }, QRgb(0));
    };

    if (header.interlace_method == SPNG_INTERLACE_NONE) {
        // Row by row: eight-bit RGBA lands in the scan line itself and is
        // reordered there while it is still in the cache.
        if (const int error = spng_decode_image(ctx, nullptr, 0, format, SPNG_DECODE_TRNS | SPNG_DECODE_PROGRESSIVE))
            damaged(name, error);
        std::vector<uchar> buffer(format == SPNG_FMT_RGBA8 ? 0 : rowBytes);
        for (int error = 0; error != SPNG_EOI;) {
            spng_row_info info{};
            if ((error = spng_get_row_info(ctx, &info)))
                damaged(name, error);
            const int y = int(info.row_num);
            void *row = buffer.empty() ? static_cast<void *>(picture.scanLine(y)) : buffer.data();
            error = spng_decode_row(ctx, row, rowBytes);
            if (error && error != SPNG_EOI)
                damaged(name, error);
            convert(row, y);
        }
    } else {
        // Adam7 passes each fill every row a little: the whole picture is
        // decoded aside first.
        std::size_t size = 0;
        if (const int error = spng_decoded_image_size(ctx, format, &size))
            damaged(name, error);
        std::unique_ptr<uchar[]> all(new (std::nothrow) uchar[size]);
        if (!all)
            invalidPicture(
                name, QCoreApplication::translate("Error", "out of memory for %1 x %2 pixels").arg(width).arg(height));
        if (const int error = spng_decode_image(ctx, all.get(), size, format, SPNG_DECODE_TRNS))
            damaged(name, error);
        for (int y = 0; y < height; ++y)
            convert(all.get() + std::size_t(y) * rowBytes, y);
    }
    // The chunks after the picture, up to the end marker.
    if (const int error = spng_decode_chunks(ctx))
        damaged(name, error);
    if (checkedBeside && !checksums.sound())
        invalidPicture(name, QCoreApplication::translate("Error", "the file is damaged (a chunk's checksum is wrong)"));
    if (alphas != 0xFF000000u)
        picture.reinterpretAsFormat(QImage::Format_ARGB32);
    return picture;
}

}  // namespace pinxel
