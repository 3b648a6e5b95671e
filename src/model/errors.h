#pragma once

// The program's own error types. They are thrown by the layers below the user interface and
// caught once, at the command boundary, which shows what() to the user.

#include <stdexcept>
#include <string>

namespace tarnlink {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A stream ended early or holds a record that cannot be read.
class StreamReadError : public Error {
public:
    StreamReadError() : Error("Stream read error") {}
};

// NodeAt and friends were given an index outside the tree.
class InvalidIndexError : public Error {
public:
    InvalidIndexError() : Error("Invalid index") {}
};

// A file could not be created, opened, written or read; the text names the file.
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
