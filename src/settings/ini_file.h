#pragma once

// An INI file read and written by the rules of the Windows profile functions: section and key
// names compare without regard to letter case, the first match wins, a value drops the quotes
// that enclose it and is at most 2047 characters, a missing or malformed value gives the
// caller's default. Everything the program does not touch (unknown sections and keys, comments,
// blank lines) is kept and written back as it was.

#include "model/errors.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace tarnlink {

// The settings file could not be written; the message names the file's full path.
class SettingsWriteError : public FileError {
public:
    explicit SettingsWriteError(const QString& path);
    const QString& path() const { return path_; }
    // The message with the given (translated) form of "Unable to write to %s".
    QString message(const QString& format) const;

private:
    QString path_;
};

// Replaces the file whole (through a temporary file), making its folder first; throws
// SettingsWriteError naming the full path.
void SaveSettingsFile(const QString& path, const QByteArray& bytes);

inline constexpr int kMaxProfileValueLength = 2047;

// Integer text as the profile readers take it: decimal, or hexadecimal after "0x" or "$", with
// an optional sign; anything else, or a value outside 32 bits, is no number.
std::optional<int> parseProfileInteger(const QString& text);

class IniFile {
public:
    IniFile() = default;
    static IniFile fromBytes(const QByteArray& bytes);
    // A file that does not exist or cannot be read gives an empty file.
    static IniFile load(const QString& path);

    std::optional<QString> value(const QString& section, const QString& key) const;
    QString readString(const QString& section, const QString& key, const QString& fallback = {}) const;
    int readInteger(const QString& section, const QString& key, int fallback) const;
    bool readBool(const QString& section, const QString& key, bool fallback) const;

    // Replaces the first entry of the key, or adds it at the end of its section (the section
    // is added at the end of the file when missing).
    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, int value);
    void writeBool(const QString& section, const QString& key, bool value);
    void eraseSection(const QString& section);

    bool hasSection(const QString& section) const;
    // Number of lines that hold a key in the section (0 when it is missing).
    int keyCount(const QString& section) const;
    QByteArray toBytes() const;
    // Writes the whole file atomically (a temporary file renamed over the old one) and creates
    // its folder when needed; throws SettingsWriteError.
    void save(const QString& path) const;

private:
    struct Line {
        QString text;
        QString foldedKey; // empty for lines that hold no key
    };
    struct Section {
        QString header; // the "[name]" line as read or written
        std::vector<Line> lines;
        QStringList trailer; // blank lines after the last entry; new keys go before them
        QHash<QString, int> firstLineOfKey;
    };

    const Line* findLine(const QString& section, const QString& key) const;
    Section& sectionFor(const QString& name);
    static void addLine(Section& section, QString text);
    static void moveTrailingBlanks(Section& section);
    void addSection(QString header, const QString& name);

    QStringList preamble_; // lines before the first section, kept as they are
    std::vector<Section> sections_;
    QHash<QString, int> firstSection_;
};

// A list stored as a count key and numbered keys: "Line" = 2, "Line0", "Line1". Only the first
// count entries are read (a count larger than the section's keys reads only as many, so a
// damaged count cannot make the list grow without bound); writing leaves numbered keys beyond the new count untouched.
QStringList readNumberedList(const IniFile& ini, const QString& section, const QString& countKey,
                             const QString& itemPrefix);
void writeNumberedList(IniFile& ini, const QString& section, const QString& countKey,
                       const QString& itemPrefix, const QStringList& items);

} // namespace tarnlink
