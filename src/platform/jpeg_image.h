#pragma once

// Screenshot pictures: JPEG files decoded with libjpeg-turbo, and the size of the bitmap they are
// shown in.

#include <QImage>
#include <QSize>
#include <QString>

namespace tarnlink {

// Throws ImageError, whose detail names the file, when the file cannot be read, is no regular
// file, is larger than kMaxPictureBytes or is not a readable JPEG.
QImage LoadJpegImage(const QString& path);
QImage DecodeJpeg(const QByteArray& bytes);

// A landscape or square picture becomes 320 wide, a portrait one 240 high, the other side in
// proportion; rounding is to the nearest integer, halves to even. An empty picture gives 0 x 0.
QSize ScreenshotBitmapSize(int width, int height);

} // namespace tarnlink
