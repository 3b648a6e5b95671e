#include "text_import.h"

#include "platform/address_case.h"
#include "file_io.h"
#include "import_sink.h"

#include "model/text_lines.h"
#include "model/tree_node.h"
#include "platform/codepage.h"
#include "platform/file_access.h"

#include <array>

namespace tarnlink {

namespace {

constexpr size_t kLinkFields = 5;

enum class LineKind { Ignored, Folder, Link };

LineKind kindOf(std::string_view line)
{
    if (line.empty() || line.front() == ' ' || line.front() == ';')
        return LineKind::Ignored;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']')
        return LineKind::Folder;
    return LineKind::Link;
}

void addLink(std::string_view line, ImportSink& sink)
{
    std::array<std::string, kLinkFields> fields;
    size_t start = 0;
    for (size_t i = 0; i < kLinkFields && start <= line.size(); ++i) {
        const size_t tab = std::min(line.find('\t', start), line.size());
        fields[i] = TrimmedText(line.substr(start, tab - start));
        start = tab + 1;
    }
    if (line.find('\t') == std::string_view::npos)
        fields[1] = fields[0];
    TfcTreeNode* link = sink.AddLinkNode(std::move(fields[0]));
    link->Link1 = LowerSchemeAndHost(fields[1]);
    link->Login = std::move(fields[2]);
    link->Password = std::move(fields[3]);
    link->Description = std::move(fields[4]);
}

} // namespace

void ReadTextImport(std::string_view text, ImportSink& sink, const TextImportOptions& options)
{
    bool folderOpen = false;
    for (const std::string_view line : TextLines(text)) {
        switch (kindOf(line)) {
        case LineKind::Ignored:
            break;
        case LineKind::Folder: {
            if (folderOpen)
                sink.LeaveImportedFolder();
            const std::string_view name = line.substr(1, line.size() - 2);
            if (!name.empty())
                sink.AddImportedFolder(name, {});
            else
                sink.AddImportedFolder(codepage::fromDisplay(options.folderWord + QString::number(sink.Counts().FolderCount + 1)), {});
            folderOpen = true;
            break;
        }
        case LineKind::Link:
            addLink(line, sink);
            break;
        }
    }
}

void ImportTextFile(TfcTreeNodes& tree, TreeCounts& counts, const QString& fileName, const TextImportOptions& options)
{
    const QByteArray text = ReadImportFile(fileName);
    ImportSink sink(tree, counts, ImportTargetFor(tree.Selected()));
    UpdateGuard update(tree);
    NamingFile(fileName, [&] { ReadTextImport(std::string_view(text.constData(), size_t(text.size())), sink, options); });
}

} // namespace tarnlink
