// import and export: the program's import and export engines on collection files. Nothing is
// expanded here, so every protected folder counts as locked.

#include "commands.h"
#include "tool_support.h"

#include "document/collection_file.h"
#include "interchange/bookmark_formats.h"
#include "interchange/collection_import.h"
#include "interchange/favorites_import.h"
#include "interchange/html_export.h"
#include "interchange/ie_export.h"
#include "interchange/opera_export.h"
#include "interchange/opera_hotlist.h"
#include "interchange/text_export.h"
#include "interchange/text_import.h"
#include "model/text_lines.h"
#include "model/tree_counts.h"
#include "model/tree_node.h"
#include "platform/codepage.h"
#include "platform/file_access.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace tarnlink::tool {

namespace {

void selectIndex(TfcTreeNodes& tree, const QString& index)
{
    tree.Select(tree.NodeAt(numberValue(QStringLiteral("node index"), index)));
}

QStringList templateLines(const QString& fileName)
{
    const QByteArray bytes = ReadUserFile(fileName, kMaxTextFileBytes);
    QStringList lines;
    for (const std::string_view line : TextLines(std::string_view(bytes.constData(), size_t(bytes.size()))))
        lines << codepage::toDisplay(line);
    return lines;
}

TextExportOptions textOptions(const Arguments& args)
{
    TextExportOptions options;
    options.dosPage = args.has("--dos");
    const auto fields = args.options.find("--fields");
    if (fields == args.options.end())
        return options;
    options.fields.fill(false);
    for (const QString& caption : fields->second.split(',', Qt::SkipEmptyParts)) {
        const auto found = std::find(options.captions.begin(), options.captions.end(), caption.trimmed());
        if (found == options.captions.end())
            fail("unknown field " + caption + " (fields: Name,Link,Description,Login,Password,Clicks,Visit)");
        options.fields[size_t(found - options.captions.begin())] = true;
    }
    return options;
}

HtmlExportOptions htmlOptions(const Arguments& args)
{
    HtmlExportOptions options;
    options.openInNewWindow = !args.has("--no-new-window");
    options.showDate = !args.has("--no-date");
    if (args.has("--begin"))
        options.beginLines = templateLines(args.options.at("--begin"));
    if (args.has("--end"))
        options.endLines = templateLines(args.options.at("--end"));
    return options;
}

void requireDirectory(const QString& path)
{
    if (!QFileInfo(path).isDir())
        fail("Dir not found! " + path);
}

void printLines(std::FILE* out, const std::vector<SummaryLine>& lines)
{
    for (const SummaryLine& line : lines)
        std::fprintf(out, "%s %d\n", line.text, line.count);
}

} // namespace

int runImport(const QStringList& args)
{
    const Arguments parsed = parseArguments(args, {"--into"}, {}, 3);
    const QString& format = parsed.positional[0];
    const QString& source = parsed.positional[1];
    const QString& collection = parsed.positional[2];

    TfcTreeNodes tree;
    if (QFileInfo::exists(collection))
        ReadCollection(collection, tree, ForeignFiles::Refuse); // the import writes it back
    TreeCounts counts = CountNodes(tree);
    if (parsed.has("--into"))
        selectIndex(tree, parsed.options.at("--into"));

    std::optional<ImportSummary> summary;
    if (format == "ie") {
        requireDirectory(source);
        ImportFromIEFavorites(tree, counts, source);
    } else if (format == "opera") {
        ImportOperaHotlist(tree, counts, source);
    } else if (format == "text") {
        ImportTextFile(tree, counts, source);
    } else if (format == "tlk") {
        ImportCollectionFile(tree, counts, source);
    } else if (const auto bookmarks = BookmarkFormatNamed(format)) {
        summary = ImportBookmarkFile(*bookmarks, tree, counts, source);
    } else {
        fail("unknown import format " + format + " (ie, opera, text, tlk, netscape, firefox, chromium, xbel)");
    }
    WriteCollection(collection, tree, counts);
    if (summary)
        printLines(stdout, SummaryLines(*summary));
    return 0;
}

int runExport(const QStringList& args)
{
    const Arguments parsed = parseArguments(args, {"--folder", "--begin", "--end", "--fields"},
                                   {"--no-subfolders", "--no-new-window", "--no-date", "--dos"}, 3);
    const QString& format = parsed.positional[0];
    const QString& collection = parsed.positional[1];
    const QString& target = parsed.positional[2];

    TfcTreeNodes tree;
    ReadCollection(collection, tree, ForeignFiles::Refuse);
    if (tree.Count() < 2)
        fail("nothing to export: the collection holds fewer than two nodes");
    ExportScope scope;
    if (parsed.has("--folder")) {
        scope.wholeDocument = false;
        selectIndex(tree, parsed.options.at("--folder"));
    }
    scope.exportSubfolders = !parsed.has("--no-subfolders");

    bool written = true;
    if (format == "ie") {
        requireDirectory(target);
        const IeExportResult result = ExportToIE(tree, scope, target);
        if (result.failed > 0)
            fail(QStringLiteral("%1 shortcuts could not be written below %2 (%3)")
                     .arg(result.failed)
                     .arg(QDir::toNativeSeparators(target), result.firstFailure));
    } else if (format == "opera") {
        ExportToOpera(tree, scope, target);
    } else if (format == "html") {
        written = ExportToHtml(tree, scope, htmlOptions(parsed), target);
    } else if (format == "text") {
        written = ExportToText(tree, scope, textOptions(parsed), target);
    } else if (const auto bookmarks = BookmarkFormatNamed(format); bookmarks && CanExport(*bookmarks)) {
        written = ExportBookmarks(*bookmarks, tree, scope, target);
        if (written)
            printLines(stderr, LossLines(ExportLossesFor(*bookmarks, tree, scope)));
    } else {
        fail("unknown export format " + format + " (ie, opera, html, text, netscape, chromium, xbel)");
    }
    if (!written)
        fail("nothing to export in this scope; no file written");
    return 0;
}

} // namespace tarnlink::tool
