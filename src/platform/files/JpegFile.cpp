#include "platform/files/JpegFile.h"

#include "platform/files/PictureFileChecks.h"
#include "platform/raster/RasterPool.h"

#include <QCoreApplication>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <optional>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace pinxel {

namespace {

struct ErrorTrap {
    jpeg_error_mgr manager;
    std::jmp_buf escape;
    char message[JMSG_LENGTH_MAX] = {};
};

[[noreturn]] void escapeWith(j_common_ptr info)
{
    auto *trap = reinterpret_cast<ErrorTrap *>(info->err);
    (*info->err->format_message)(info, trap->message);
    std::longjmp(trap->escape, 1);
}

// Warnings are damage, except the two that say only that a header field is
// newer than libjpeg knows.
void onMessage(j_common_ptr info, int level)
{
    if (level >= 0)
        return;  // trace messages
    const int code = info->err->msg_code;
    if (code == JWRN_JFIF_MAJOR || code == JWRN_ADOBE_XFORM)
        return;
    escapeWith(info);
}

// Every block of every component costs at least one bit in a Huffman-coded
// file (its DC code), so a file shorter than that cannot fill its picture.
// Arithmetic coding has no such floor.
qint64 leastHuffmanBytes(const jpeg_decompress_struct &info)
{
    qint64 blocks = 0;
    for (int c = 0; c < info.num_components; ++c) {
        const jpeg_component_info &component = info.comp_info[c];
        const qint64 w =
            (qint64(info.image_width) * component.h_samp_factor + info.max_h_samp_factor - 1) / info.max_h_samp_factor;
        const qint64 h =
            (qint64(info.image_height) * component.v_samp_factor + info.max_v_samp_factor - 1) / info.max_v_samp_factor;
        blocks += ((w + 7) / 8) * ((h + 7) / 8);
    }
    return blocks / 8;
}

}  // namespace

QImage readJpeg(const QByteArray &data, const QString &name)
{
    jpeg_decompress_struct info{};
    ErrorTrap trap;
    info.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = escapeWith;
    trap.manager.emit_message = onMessage;
    jpeg_create_decompress(&info);
    // Declared before the jump point, so that a jump back finds them alive
    // and the refusal thrown after it releases them.
    struct Release {
        jpeg_decompress_struct *info;
        ~Release() { jpeg_destroy_decompress(info); }
    } release{&info};
    QImage picture;
    std::optional<PagesMappedAside> mapped;
    std::vector<JSAMPROW> rows;
    if (setjmp(trap.escape))
        invalidPicture(
            name,
            QCoreApplication::translate("Error", "the file is damaged (%1)").arg(QString::fromLatin1(trap.message)));

    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    checkPictureSize(info.image_width, info.image_height, name);
    if (!info.arith_code) {
        const qint64 pixels = qint64(info.image_width) * info.image_height, least = leastHuffmanBytes(info);
        checkDataCanFill(pixels, least > 0 ? pixels * data.size() / least : pixels, data.size(), name);
    }
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    picture = newRaster(int(info.output_width), int(info.output_height));
    if (picture.isNull())
        invalidPicture(name, QCoreApplication::translate("Error", "out of memory for %1 x %2 pixels")
                                 .arg(info.output_width)
                                 .arg(info.output_height));
    mapped.emplace(picture.bits(), std::size_t(picture.sizeInBytes()));
    rows.resize(info.rec_outbuf_height);
    while (info.output_scanline < info.output_height) {
        const int first = int(info.output_scanline);
        const int count = std::min(int(rows.size()), int(info.output_height) - first);
        for (int i = 0; i < count; ++i)
            rows[size_t(i)] = picture.scanLine(first + i);
        const int read = int(jpeg_read_scanlines(&info, rows.data(), JDIMENSION(count)));
        if (cmyk) {
            // Adobe's inverted CMYK, as photo programs write it: the inks are
            // stored as their complements.
            for (int i = 0; i < read; ++i) {
                uchar *line = picture.scanLine(first + i);
                auto *out = reinterpret_cast<QRgb *>(line);
                for (int x = 0; x < picture.width(); ++x) {
                    const uchar *in = line + 4 * x;
                    const int k = in[3];
                    out[x] = qRgb(in[0] * k / 255, in[1] * k / 255, in[2] * k / 255);
                }
            }
        }
    }
    jpeg_finish_decompress(&info);
    return picture;
}

}  // namespace pinxel
