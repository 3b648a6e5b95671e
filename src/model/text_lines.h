#pragma once

#include <string_view>

namespace tarnlink {

// The lines of a text file, one at a time, so that no list of every line is ever built: a
// leading UTF-8 byte-order mark is no part of the first line, a line ends at CR LF, LF or CR, a
// NUL ends the text, and a final line break adds no empty line. The views point into the text.
class TextLines {
public:
    explicit TextLines(std::string_view text);

    // The next line; false after the last.
    bool next(std::string_view& line);
    // Lines taken so far.
    size_t count() const { return count_; }

    struct End {};
    class Iterator {
    public:
        explicit Iterator(TextLines& lines) : lines_(&lines) { ++*this; }
        std::string_view operator*() const { return line_; }
        Iterator& operator++()
        {
            done_ = !lines_->next(line_);
            return *this;
        }
        bool operator==(End) const { return done_; }

    private:
        TextLines* lines_;
        std::string_view line_;
        bool done_ = false;
    };
    Iterator begin() { return Iterator(*this); }
    End end() const { return {}; }

private:
    std::string_view rest_;
    size_t count_ = 0;
};

} // namespace tarnlink
