#include "jpeg_image.h"

#include "file_access.h"

#include "model/errors.h"


#include <csetjmp>
#include <cstdio>
#include <cstdint>

#include <jpeglib.h>

namespace tarnlink {

namespace {

// Larger pictures are refused rather than allocated: a screenshot never comes near this.
constexpr int64_t kMaxPixels = 100'000'000;

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr info)
{
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

void onMessage(j_common_ptr, int) {} // warnings of damaged but readable data stay quiet

// Returns false with `message` set when libjpeg gives up. Nothing here may own resources that a
// longjmp would skip: the image is allocated by the caller's callback before decoding starts.
template <typename Allocate>
bool decode(const QByteArray& bytes, ErrorManager& errors, jpeg_decompress_struct& info, Allocate allocate)
{
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    errors.base.emit_message = onMessage;
    errors.message[0] = '\0';
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&info);
    unsigned char* pixels = nullptr;
    qsizetype stride = 0;
    if (!allocate(int(info.output_width), int(info.output_height), cmyk, pixels, stride)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

// Adobe writes CMYK JPEGs inverted; this is what every viewer shows for them.
QImage cmykToRgb(const QImage& cmyk, int width, int height)
{
    QImage rgb(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        const uchar* in = cmyk.constScanLine(y);
        uchar* out = rgb.scanLine(y);
        for (int x = 0; x < width; ++x, in += 4, out += 3) {
            const int k = in[3];
            out[0] = uchar(in[0] * k / 255);
            out[1] = uchar(in[1] * k / 255);
            out[2] = uchar(in[2] * k / 255);
        }
    }
    return rgb;
}

int64_t roundHalfToEven(int64_t numerator, int64_t denominator)
{
    int64_t quotient = numerator / denominator;
    const int64_t twiceRest = 2 * (numerator % denominator);
    if (twiceRest > denominator || (twiceRest == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

} // namespace

QImage DecodeJpeg(const QByteArray& bytes)
{
    ErrorManager errors;
    jpeg_decompress_struct info;
    QImage image;
    const bool ok = decode(bytes, errors, info,
                           [&image](int width, int height, bool cmyk, unsigned char*& pixels, qsizetype& stride) {
                               if (width <= 0 || height <= 0 || int64_t(width) * height > kMaxPixels)
                                   return false;
                               // CMYK rows are four bytes a pixel; ARGB32 has room for them.
                               image = QImage(width, height, cmyk ? QImage::Format_ARGB32 : QImage::Format_RGB888);
                               if (image.isNull())
                                   return false;
                               pixels = image.bits();
                               stride = image.bytesPerLine();
                               return true;
                           });
    if (!ok)
        throw ImageError(errors.message[0] ? QByteArray(errors.message).toStdString()
                                           : std::string("JPEG image is too large"));
    if (image.format() == QImage::Format_ARGB32)
        return cmykToRgb(image, image.width(), image.height());
    return image;
}

QImage LoadJpegImage(const QString& path)
{
    QByteArray bytes;
    try {
        bytes = ReadUserFile(path, kMaxPictureBytes);
    } catch (const FileError& e) {
        throw ImageError(e.what(), e.detail());
    }
    return NamingFile(path, [&] { return DecodeJpeg(bytes); });
}

QSize ScreenshotBitmapSize(int width, int height)
{
    const int64_t w = width, h = height;
    if (w <= 0 || h <= 0)
        return {0, 0};
    if (roundHalfToEven(100 * h, w) <= 100)
        return {320, int(roundHalfToEven(h * 320, w))};
    return {int(roundHalfToEven(w * 240, h)), 240};
}

} // namespace tarnlink
