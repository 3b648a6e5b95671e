#include "model/errors.h"
#include "platform/jpeg_image.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include <jpeglib.h>

using namespace tarnlink;

namespace {

// A flat-coloured JPEG of the given size, encoded with the library under test's own encoder.
QByteArray encodeJpeg(int width, int height, unsigned char red, unsigned char green, unsigned char blue)
{
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(size_t(width) * 3);
    for (int x = 0; x < width; ++x) {
        row[x * 3] = red;
        row[x * 3 + 1] = green;
        row[x * 3 + 2] = blue;
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), qsizetype(size));
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return bytes;
}

} // namespace

TEST(JpegImage, DecodesSizeAndColour)
{
    const QImage image = DecodeJpeg(encodeJpeg(64, 48, 200, 40, 10));
    ASSERT_EQ(image.size(), QSize(64, 48));
    const QColor pixel = image.pixelColor(10, 10);
    EXPECT_NEAR(pixel.red(), 200, 4);
    EXPECT_NEAR(pixel.green(), 40, 4);
    EXPECT_NEAR(pixel.blue(), 10, 4);
}

TEST(JpegImage, LoadsAFileAndRefusesWhatIsNoJpeg)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString good = dir.filePath("shot.jpg");
    const QString bad = dir.filePath("text.jpg");
    const QString cut = dir.filePath("cut.jpg");
    const QByteArray jpeg = encodeJpeg(32, 32, 0, 0, 255);
    for (const auto& [path, bytes] : {std::pair{good, jpeg}, std::pair{bad, QByteArray("not a picture")},
                                      std::pair{cut, jpeg.left(40)}}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    EXPECT_EQ(LoadJpegImage(good).size(), QSize(32, 32));
    EXPECT_THROW(LoadJpegImage(bad), ImageError);
    EXPECT_THROW(LoadJpegImage(cut), ImageError);
    EXPECT_THROW(LoadJpegImage(dir.filePath("missing.jpg")), ImageError);
    EXPECT_THROW(DecodeJpeg(QByteArray()), ImageError);
}

TEST(JpegImage, BitmapSizeRule)
{
    struct Case {
        int width, height;
        QSize bitmap;
    };
    const Case cases[] = {
        {640, 480, {320, 240}}, // landscape: 320 wide
        {480, 640, {180, 240}}, // portrait: 240 high
        {100, 100, {320, 320}}, // square counts as landscape
        {1000, 1004, {320, 321}}, // 100.4 rounds to 100: still landscape; 321.28 rounds to 321
        {0, 50, {0, 0}},
        {50, 0, {0, 0}},
        {640, 1, {320, 0}},  // 0.5 rounds to the even 0
        {640, 3, {320, 2}},  // 1.5 rounds to the even 2
        {1, 480, {0, 240}},  // 0.5 rounds to 0
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScreenshotBitmapSize(c.width, c.height), c.bitmap) << c.width << " x " << c.height;
}
