#pragma once

// Writes "mozLz40" data the way Firefox does, for readers' tests and benchmarks.

#include <QByteArray>

#include <lz4.h>

#include <cstdint>

namespace tarnlink::test {

// The header with the given size field, then contents compressed as one LZ4 block.
inline QByteArray MozLz4WithSize(const QByteArray& contents, uint32_t sizeField)
{
    QByteArray out("mozLz40", 8);
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char(sizeField >> shift & 0xFF));
    QByteArray block(LZ4_compressBound(int(contents.size())), Qt::Uninitialized);
    block.truncate(LZ4_compress_default(contents.constData(), block.data(), int(contents.size()), int(block.size())));
    return out + block;
}

inline QByteArray MozLz4(const QByteArray& contents)
{
    return MozLz4WithSize(contents, uint32_t(contents.size()));
}

} // namespace tarnlink::test
