#pragma once

// Firefox's "mozLz40" files (session store, bookmark backups): the magic "mozLz40\0", the decoded
// size as a 32-bit little-endian number, then one LZ4 block.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace tarnlink {

// Larger decoded contents are refused: no session store or bookmark backup comes near it.
inline constexpr qsizetype kMozLz4MaxDecodedSize = 64 * 1024 * 1024;

// The decoded contents; nothing for a file without the magic, a size field above the limit or
// above what the block could hold, or a block that does not decode to exactly that size. Memory is
// only reserved for a size that passed those checks.
std::optional<QByteArray> DecodeMozLz4(QByteArrayView bytes);
// The same for a file; nothing when it cannot be read or is larger than any valid one.
std::optional<QByteArray> ReadMozLz4File(const QString& path);

} // namespace tarnlink
