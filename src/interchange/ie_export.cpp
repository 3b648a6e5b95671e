#include "ie_export.h"

#include "file_io.h"

#include "model/tree_node.h"
#include "platform/codepage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <vector>

namespace tarnlink {

namespace {

bool isSafeName(std::string_view name)
{
    return name != "." && name != ".." && name.find_first_of(std::string_view("/\0", 2)) == std::string_view::npos;
}

// A directory of the export: known to lie inside the chosen folder, or unusable.
struct Directory {
    const TfcTreeNode* folder; // null for the chosen folder itself
    QString path;
    bool usable;
};

Directory subdirectory(const Directory& parent, const TfcTreeNode& folder)
{
    Directory dir{&folder, {}, false};
    if (!parent.usable || !isSafeName(folder.Name()))
        return dir;
    dir.path = parent.path + QLatin1Char('/') + codepage::toDisplay(folder.Name());
    QDir().mkdir(dir.path);
    // A link to a directory could lead outside the chosen folder.
    const QFileInfo info(dir.path);
    dir.usable = info.isDir() && !info.isSymLink();
    return dir;
}

bool writeShortcut(const Directory& dir, const TfcTreeNode& link)
{
    if (!dir.usable || link.Link1.empty() || !isSafeName(link.Name()))
        return false;
    // NewOnly: an existing file, or a link in its place, is never written through.
    QFile file(dir.path + QLatin1Char('/') + codepage::toDisplay(link.Name()) + QStringLiteral(".url"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    const std::string text = ShortcutFileText(link.Link1);
    if (file.write(text.data(), qint64(text.size())) == qint64(text.size()) && file.flush())
        return true;
    file.remove(); // a cut-short shortcut would be kept by every later export
    return false;
}

} // namespace

std::string ShortcutFileText(std::string_view address)
{
    std::string text = "; Created with Tarnlink - ";
    text.append(kMakerWebSite).append("\r\n[InternetShortcut]\r\nURL=").append(address).append("\r\n");
    return text;
}

int ExportToIE(const TfcTreeNodes& tree, const ExportScope& scope, const QString& folder)
{
    ExportPlan plan = PlanExport(tree, scope);
    if (!plan.writes)
        return 0;
    QString root = folder;
    while (root.size() > 1 && root.endsWith(QLatin1Char('/')))
        root.chop(1);
    std::vector<Directory> open{{nullptr, root, true}};
    if (plan.scopeFolder) {
        std::vector<const TfcTreeNode*> chain;
        for (const TfcTreeNode* n = plan.scopeFolder; n; n = n->Parent())
            chain.push_back(n);
        for (auto it = chain.rbegin(); it != chain.rend(); ++it)
            open.push_back(subdirectory(open.back(), **it));
        open.erase(open.begin(), open.end() - 1);
    }
    int written = 0;
    while (const TfcTreeNode* node = plan.walk.Next()) {
        while (open.back().folder != node->Parent())
            open.pop_back();
        if (node->IsFolder())
            open.push_back(subdirectory(open.back(), *node));
        else
            written += writeShortcut(open.back(), *node);
        // No directory stands for a link, so nodes that a damaged file puts under one give nothing.
        if (!node->IsFolder() && node->HasChildren())
            open.push_back({node, {}, false});
    }
    return written;
}

} // namespace tarnlink
