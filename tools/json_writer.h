#pragma once

// JSON written as it is produced, indented four blanks a level, so that a large tree is never
// held a second time as a document.

#include <QString>

#include <cstdint>
#include <cstdio>
#include <string_view>
#include <vector>

namespace tarnlink::tool {

class JsonWriter {
public:
    explicit JsonWriter(std::FILE* out) : out_(out) {}

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    // The key of the next value inside an object.
    void key(std::string_view name);
    void value(const QString& text);
    void value(int64_t number);
    void value(double number); // NaN and infinities, which JSON lacks, are null
    void value(bool flag);

private:
    void beforeValue();
    void put(std::string_view text) { std::fwrite(text.data(), 1, text.size(), out_); }
    void putString(std::string_view utf8);
    void newLine();
    void end(char close);

    std::FILE* out_;
    std::vector<bool> levelEmpty_; // per open object or array: nothing written in it yet
    bool afterKey_ = false;
};

} // namespace tarnlink::tool
