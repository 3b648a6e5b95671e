#pragma once

// Little-endian byte streams over memory, used by the node record stream and the file formats.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tarnlink {

// Appends to a buffer. With a mask, every byte is XORed with it on the way in. With a spill, the
// buffer is handed over (and must be emptied) whenever it grows past a threshold, so a large
// stream can go to a file without ever being whole in memory.
class ByteWriter {
public:
    explicit ByteWriter(std::string& buffer, uint8_t mask = 0) : buffer_(buffer), mask_(mask) {}
    void setSpill(size_t threshold, std::function<void(std::string&)> spill);
    void flush();

    void writeInt32(int32_t value);
    void writeUInt16(uint16_t value);
    void writeByte(uint8_t value) { writeBytes(&value, 1); }
    void writeBytes(const void* data, size_t size);
    void writeBytes(std::string_view bytes) { writeBytes(bytes.data(), bytes.size()); }
    size_t position() const { return spilled_ + buffer_.size(); }

private:
    std::string& buffer_;
    uint8_t mask_;
    size_t threshold_ = 0;
    size_t spilled_ = 0;
    std::function<void(std::string&)> spill_;
};

// Every read past the end throws StreamReadError and consumes nothing. With a mask, every byte
// read is XORed with it.
class ByteReader {
public:
    ByteReader(const char* data, size_t size, uint8_t mask = 0) : data_(data), size_(size), mask_(mask) {}
    explicit ByteReader(std::string_view bytes, uint8_t mask = 0) : ByteReader(bytes.data(), bytes.size(), mask) {}

    int32_t readInt32();
    void read(void* target, size_t size);
    std::string readString(size_t size);
    void skip(size_t size);
    size_t position() const { return pos_; }
    size_t remaining() const { return size_ - pos_; }

private:
    void require(size_t size) const;
    void unmask(char* bytes, size_t size) const;
    const char* data_;
    size_t size_;
    uint8_t mask_;
    size_t pos_ = 0;
};

} // namespace tarnlink
