#include "favorites_import.h"

#include "import_sink.h"

#include "model/text_lines.h"
#include "model/tree_node.h"
#include "model/utf8_cut.h"
#include "platform/file_access.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <memory>
#include <vector>

namespace tarnlink {

namespace {

// A shortcut is a few hundred bytes; a longer file is not read.
constexpr qint64 kMaxShortcutBytes = 1 << 20;
constexpr size_t kMaxProfileValue = 2047;

std::string_view trimmedView(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return QString::fromUtf8(a.data(), qsizetype(a.size())).compare(QString::fromUtf8(b.data(), qsizetype(b.size())), Qt::CaseInsensitive) == 0;
}

std::string_view withoutQuotes(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

std::string profileValue(std::string_view text, std::string_view section, std::string_view key)
{
    bool inSection = false;
    for (std::string_view line : TextLines(text)) {
        line = trimmedView(line);
        if (line.starts_with('[')) {
            const size_t close = line.find(']');
            inSection = equalsIgnoringCase(trimmedView(line.substr(1, close == line.npos ? line.npos : close - 1)), section);
            continue;
        }
        const size_t equals = line.find('=');
        if (!inSection || equals == line.npos || !equalsIgnoringCase(trimmedView(line.substr(0, equals)), key))
            continue;
        const std::string_view value = withoutQuotes(trimmedView(line.substr(equals + 1)));
        return std::string(value.substr(0, PrefixLengthWithin(value, kMaxProfileValue)));
    }
    return {};
}

// A file counts as having the archive attribute when it is a plain file that someone may
// write; one that nobody may write is read-only without it.
bool isShortcutFile(const QFileInfo& entry)
{
    constexpr QFile::Permissions anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return entry.isFile() && (entry.permissions() & anyWrite);
}

std::unique_ptr<QDirIterator> listing(const QString& directory)
{
    return std::make_unique<QDirIterator>(directory, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace

std::string ReadShortcutUrl(const QString& path)
{
    const std::optional<QByteArray> text = ReadUserFileIfAny(path, kMaxShortcutBytes);
    return text ? profileValue(std::string_view(text->constData(), size_t(text->size())), "InternetShortcut", "URL") : std::string();
}

void ReadFavoritesFolder(const QString& folder, ImportEvents& events)
{
    // One listing per open directory: the walk's depth is bounded by the file system, not the stack.
    std::vector<std::unique_ptr<QDirIterator>> open;
    open.push_back(listing(folder));
    while (!open.empty()) {
        QDirIterator& directory = *open.back();
        if (!directory.hasNext()) {
            open.pop_back();
            events.OnFolderEnd();
            continue;
        }
        directory.next();
        const QFileInfo entry = directory.fileInfo();
        const std::string name = entry.fileName().toStdString();
        if (entry.isDir()) {
            // A link to a directory could lead back into the walk and never end.
            if (name.starts_with('.') || entry.isSymLink())
                continue;
            events.OnFolder(name, {});
            open.push_back(listing(entry.filePath()));
        } else if (isShortcutFile(entry)) {
            events.OnLink(entry.completeBaseName().toStdString(), ReadShortcutUrl(entry.filePath()), {});
        }
    }
}

void ImportFromIEFavorites(TfcTreeNodes& tree, TreeCounts& counts, const QString& folder)
{
    ImportSink sink(tree, counts, ImportTargetFor(tree.Selected()));
    UpdateGuard update(tree);
    ReadFavoritesFolder(folder, sink);
}

} // namespace tarnlink
