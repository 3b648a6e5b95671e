#include "byte_stream.h"

#include "errors.h"

#include <cstring>

namespace tarnlink {

namespace {

void xorBytes(char* bytes, size_t size, uint8_t mask)
{
    for (size_t i = 0; i < size; ++i)
        bytes[i] = char(uint8_t(bytes[i]) ^ mask);
}

} // namespace

void ByteWriter::setSpill(size_t threshold, std::function<void(std::string&)> spill)
{
    threshold_ = threshold;
    spill_ = std::move(spill);
}

void ByteWriter::flush()
{
    if (!spill_ || buffer_.empty())
        return;
    const size_t size = buffer_.size();
    spill_(buffer_);
    spilled_ += size;
    buffer_.clear();
}

void ByteWriter::writeBytes(const void* data, size_t size)
{
    const size_t start = buffer_.size();
    buffer_.append(static_cast<const char*>(data), size);
    if (mask_)
        xorBytes(buffer_.data() + start, size, mask_);
    if (spill_ && buffer_.size() >= threshold_)
        flush();
}

void ByteWriter::writeInt32(int32_t value)
{
    const uint32_t v = static_cast<uint32_t>(value);
    const char bytes[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
    writeBytes(bytes, 4);
}

void ByteWriter::writeUInt16(uint16_t value)
{
    const char bytes[2] = {char(value), char(value >> 8)};
    writeBytes(bytes, 2);
}

void ByteReader::require(size_t size) const
{
    if (size > size_ - pos_)
        throw StreamReadError();
}

void ByteReader::unmask(char* bytes, size_t size) const
{
    if (mask_)
        xorBytes(bytes, size, mask_);
}

int32_t ByteReader::readInt32()
{
    unsigned char p[4];
    read(p, 4);
    return static_cast<int32_t>(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}

void ByteReader::read(void* target, size_t size)
{
    require(size);
    std::memcpy(target, data_ + pos_, size);
    unmask(static_cast<char*>(target), size);
    pos_ += size;
}

std::string ByteReader::readString(size_t size)
{
    require(size);
    std::string s(data_ + pos_, size);
    unmask(s.data(), size);
    pos_ += size;
    return s;
}

void ByteReader::skip(size_t size)
{
    require(size);
    pos_ += size;
}

} // namespace tarnlink
