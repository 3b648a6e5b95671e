#include "mozlz4.h"

#include <QFile>
#include <QFileInfo>

#include <lz4.h>

#include <cstdint>

namespace tarnlink {

namespace {

constexpr QByteArrayView kMagic("mozLz40\0", 8);
constexpr qsizetype kHeaderSize = 12;
// An LZ4 sequence turns each input byte into at most 255 output bytes (a byte of match length).
constexpr qsizetype kMaxRatio = 255;
constexpr qsizetype kMaxFileSize = kHeaderSize + LZ4_COMPRESSBOUND(kMozLz4MaxDecodedSize);

uint32_t readLittleEndian32(const char* p)
{
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

} // namespace

std::optional<QByteArray> DecodeMozLz4(QByteArrayView bytes)
{
    if (bytes.size() < kHeaderSize || bytes.size() > kMaxFileSize || !bytes.startsWith(kMagic))
        return std::nullopt;
    const qsizetype size = readLittleEndian32(bytes.data() + kMagic.size());
    const QByteArrayView block = bytes.sliced(kHeaderSize);
    if (size > kMozLz4MaxDecodedSize || size > block.size() * kMaxRatio)
        return std::nullopt;
    QByteArray decoded(size, Qt::Uninitialized);
    const int written = LZ4_decompress_safe(block.data(), decoded.data(), int(block.size()), int(size));
    if (written != size)
        return std::nullopt;
    return decoded;
}

std::optional<QByteArray> ReadMozLz4File(const QString& path)
{
    // Only regular files: opening a pipe left in a profile would block.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileSize)
        return std::nullopt;
    return DecodeMozLz4(file.read(file.size()));
}

} // namespace tarnlink
