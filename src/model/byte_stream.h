#pragma once

// Little-endian byte streams over memory, used by the node record stream and the file formats.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarnlink {

class ByteWriter {
public:
    explicit ByteWriter(std::string& buffer) : buffer_(buffer) {}
    void writeInt32(int32_t value);
    void writeUInt16(uint16_t value);
    void writeByte(uint8_t value) { buffer_.push_back(static_cast<char>(value)); }
    void writeBytes(const void* data, size_t size) { buffer_.append(static_cast<const char*>(data), size); }
    void writeBytes(std::string_view bytes) { buffer_.append(bytes); }
    size_t position() const { return buffer_.size(); }

private:
    std::string& buffer_;
};

// Every read past the end throws StreamReadError and consumes nothing.
class ByteReader {
public:
    ByteReader(const char* data, size_t size) : data_(data), size_(size) {}
    explicit ByteReader(std::string_view bytes) : ByteReader(bytes.data(), bytes.size()) {}

    int32_t readInt32();
    void read(void* target, size_t size);
    std::string readString(size_t size);
    void skip(size_t size);
    size_t position() const { return pos_; }
    size_t remaining() const { return size_ - pos_; }

private:
    void require(size_t size) const;
    const char* data_;
    size_t size_;
    size_t pos_ = 0;
};

} // namespace tarnlink
