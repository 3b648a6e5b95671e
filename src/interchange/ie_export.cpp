#include "ie_export.h"

#include "file_io.h"

#include "model/tree_node.h"
#include "platform/codepage.h"
#include "platform/favorites_folder.h"
#include "platform/file_access.h"

#include <QFile>
#include <QFileInfo>

#include <vector>

#include <cerrno>

#include <sys/stat.h>

namespace tarnlink {

namespace {

// A directory of the export: known to lie inside the chosen folder, or unusable. An unusable
// one was either passed over on purpose or refused by the system; only in a refused one do the
// shortcuts count as not written.
struct Directory {
    const TfcTreeNode* folder; // null for the chosen folder itself
    QString path;
    bool usable;
    QString failure; // "path: cause" when the system refused this directory or one above it
};

void countFailure(IeExportResult& result, const QString& failure)
{
    if (result.failed++ == 0)
        result.firstFailure = failure;
}

Directory subdirectory(const Directory& parent, const TfcTreeNode& folder)
{
    if (!IsSafeFavoritesName(folder.Name()))
        return {&folder, {}, false, {}};
    if (!parent.usable)
        return {&folder, {}, false, parent.failure};
    const QString path = parent.path + QLatin1Char('/') + codepage::toDisplay(folder.Name());
    if (::mkdir(QFile::encodeName(path).constData(), 0777) != 0 && errno != EEXIST)
        return {&folder, path, false, path + QStringLiteral(": ") + SystemCause(errno)};
    // A link to a directory could lead outside the chosen folder.
    const QFileInfo info(path);
    if (info.isSymLink())
        return {&folder, path, false, {}};
    if (!info.isDir())
        return {&folder, path, false, path + QStringLiteral(": ") + SystemCause(EEXIST)};
    return {&folder, path, true, {}};
}

void writeShortcut(const Directory& dir, const TfcTreeNode& link, IeExportResult& result)
{
    if (link.Link1.empty() || !IsSafeFavoritesName(link.Name()))
        return;
    if (!dir.usable) {
        if (!dir.failure.isEmpty())
            countFailure(result, dir.failure);
        return;
    }
    const QString path = dir.path + QLatin1Char('/') + codepage::toDisplay(link.Name()) + QStringLiteral(".url");
    // NewOnly: an existing file, or a link in its place, is never written through.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        const QFileInfo there(path);
        if (!there.exists() && !there.isSymLink())
            countFailure(result, path + QStringLiteral(": ") + file.errorString());
        return;
    }
    try {
        WriteAll(file, path, ShortcutFileText(link.Link1));
        ++result.written;
    } catch (const FileError& e) {
        file.remove(); // a cut-short shortcut would be kept by every later export
        countFailure(result, QString::fromStdString(e.detail()));
    }
}

} // namespace

std::string ShortcutFileText(std::string_view address)
{
    std::string text = "; Created with Tarnlink - ";
    text.append(kMakerWebSite).append("\r\n[InternetShortcut]\r\nURL=").append(address).append("\r\n");
    return text;
}

IeExportResult ExportToIE(const TfcTreeNodes& tree, const ExportScope& scope, const QString& folder)
{
    IeExportResult result;
    ExportPlan plan = PlanExport(tree, scope);
    if (!plan.writes)
        return result;
    QString root = folder;
    while (root.size() > 1 && root.endsWith(QLatin1Char('/')))
        root.chop(1);
    std::vector<Directory> open{{nullptr, root, true, {}}};
    if (plan.scopeFolder) {
        std::vector<const TfcTreeNode*> chain;
        for (const TfcTreeNode* n = plan.scopeFolder; n; n = n->Parent())
            chain.push_back(n);
        for (auto it = chain.rbegin(); it != chain.rend(); ++it)
            open.push_back(subdirectory(open.back(), **it));
        open.erase(open.begin(), open.end() - 1);
    }
    while (const TfcTreeNode* node = plan.walk.Next()) {
        while (open.back().folder != node->Parent())
            open.pop_back();
        if (node->IsFolder())
            open.push_back(subdirectory(open.back(), *node));
        else
            writeShortcut(open.back(), *node, result);
        // No directory stands for a link, so nodes that a damaged file puts under one give nothing.
        if (!node->IsFolder() && node->HasChildren())
            open.push_back({node, {}, false, {}});
    }
    return result;
}

} // namespace tarnlink
