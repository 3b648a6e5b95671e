#pragma once

// Text import files: one link per line (name, address, login, password, description separated by
// tabs), "[name]" lines that open a folder below the import target, and ignored lines that are
// empty or begin with a blank or ";".

#include <QString>

#include <string_view>

namespace tarnlink {

class ImportSink;
class TfcTreeNodes;
struct TreeCounts;

struct TextImportOptions {
    // Name of a folder given as "[]", followed by its number among the document's folders.
    QString folderWord = QStringLiteral("Folder");
};

void ReadTextImport(std::string_view text, ImportSink& sink, const TextImportOptions& options = {});

// The whole import: below the import target of the tree's selection, inside one update bracket.
// Throws FileError when the file cannot be read.
void ImportTextFile(TfcTreeNodes& tree, TreeCounts& counts, const QString& fileName, const TextImportOptions& options = {});

} // namespace tarnlink
