#pragma once

// Opera hotlists (.adr): records that start with "#FOLDER" or "#URL" and whose values stand at
// fixed line offsets from the marker, folders closed by "-". TImportOpera reads them into import
// events and builds them for the Opera export.

#include <QString>

#include <string>
#include <string_view>
#include <vector>

class QIODevice;

namespace tarnlink {

class ImportEvents;
class TfcTreeNodes;
struct TreeCounts;

// UTF-8 as the hotlist reader takes it: overlong forms are accepted, continuation bytes are not
// checked, stray bytes are dropped, and so is a sequence cut short by the end of the text.
// Four-byte forms are kept as characters beyond 16 bits.
QString DecodeUtf8Text(std::string_view bytes);
std::string EncodeUtf8Text(const QString& text);

// The text after the first "=" of a key line; a line without "=" is its own value.
std::string_view HotlistValue(std::string_view line);

// Line breaks inside a value travel as two 0x02 characters, Opera's own way, so that a
// description of several lines cannot break the records apart.
std::string EscapeHotlistBreaks(std::string_view value);
std::string UnescapeHotlistBreaks(std::string_view value);

class TImportOpera {
public:
    QString FileName;

    // Reads FileName (nothing when it is empty) and reports its records in file order. Throws
    // FileError when the file cannot be read and ImportError at a record cut short by the end of
    // the file; the events raised before stay raised.
    void Import(ImportEvents& events) const;
    static void ImportText(std::string_view text, ImportEvents& events);

    // The writer: node strings (as the collection stores them) go out as UTF-8 key lines.
    void AddEntry(std::string_view name, std::string_view address, std::string_view created,
                  std::string_view visited, std::string_view order, std::string_view description,
                  std::string_view shortName, bool isLink);
    void AddFolderEnd();
    // The header lines, then the records, every line ending in CR LF.
    std::string Hotlist() const;

private:
    void addLine(std::string_view line);
    void addKey(std::string_view key, std::string_view value);

    std::string records_;
};

// The whole import: below the import target of the tree's selection, inside one update bracket.
void ImportOperaHotlist(TfcTreeNodes& tree, TreeCounts& counts, const QString& fileName);

} // namespace tarnlink
