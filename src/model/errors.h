#pragma once

// The program's own error types. They are thrown by the layers below the user interface and
// caught once, at the command boundary, which shows what() to the user, then detail().

#include <stdexcept>
#include <string>
#include <utility>

namespace tarnlink {

// what() is a fixed text, so it can be translated; detail() says what it is about (the file and,
// where the system gave one, the cause) and is shown as it stands.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& text, std::string detail = {})
        : std::runtime_error(text), detail_(std::move(detail))
    {
    }
    const std::string& detail() const noexcept { return detail_; }
    void setDetail(std::string detail) { detail_ = std::move(detail); }
    // The text and its detail on one line, for a log or a command-line tool.
    std::string fullText() const { return detail_.empty() ? what() : what() + (": " + detail_); }

private:
    std::string detail_;
};

// A stream ended early or holds a record that cannot be read.
class StreamReadError : public Error {
public:
    explicit StreamReadError(std::string detail = {}) : Error("Stream read error", std::move(detail)) {}
};

// NodeAt and friends were given an index outside the tree.
class InvalidIndexError : public Error {
public:
    InvalidIndexError() : Error("Invalid index") {}
};

// A file could not be created, opened, written or read; the detail names the file and the cause.
class FileError : public Error {
public:
    using Error::Error;
};

// A text could not be converted to a number or a date.
class ConversionError : public Error {
public:
    using Error::Error;
};

// A picture could not be decoded.
class ImageError : public Error {
public:
    using Error::Error;
};

} // namespace tarnlink
