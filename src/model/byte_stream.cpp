#include "byte_stream.h"

#include "errors.h"

#include <cstring>

namespace tarnlink {

void ByteWriter::writeInt32(int32_t value)
{
    const uint32_t v = static_cast<uint32_t>(value);
    const char bytes[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
    buffer_.append(bytes, 4);
}

void ByteWriter::writeUInt16(uint16_t value)
{
    const char bytes[2] = {char(value), char(value >> 8)};
    buffer_.append(bytes, 2);
}

void ByteReader::require(size_t size) const
{
    if (size > size_ - pos_)
        throw StreamReadError();
}

int32_t ByteReader::readInt32()
{
    require(4);
    const auto* p = reinterpret_cast<const unsigned char*>(data_ + pos_);
    pos_ += 4;
    return static_cast<int32_t>(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}

void ByteReader::read(void* target, size_t size)
{
    require(size);
    std::memcpy(target, data_ + pos_, size);
    pos_ += size;
}

std::string ByteReader::readString(size_t size)
{
    require(size);
    std::string s(data_ + pos_, size);
    pos_ += size;
    return s;
}

void ByteReader::skip(size_t size)
{
    require(size);
    pos_ += size;
}

} // namespace tarnlink
