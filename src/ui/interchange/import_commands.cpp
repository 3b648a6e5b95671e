#include "ui/interchange/import_commands.h"

#include "document/document.h"
#include "interchange/collection_import.h"
#include "interchange/favorites_import.h"
#include "interchange/import_sink.h"
#include "interchange/opera_hotlist.h"
#include "interchange/text_import.h"
#include "model/tree_node.h"
#include "platform/favorites_folder.h"
#include "settings/settings.h"
#include "ui/interchange/browser_texts.h"
#include "ui/interchange/form_browser_import.h"
#include "ui/kit/prompts.h"
#include "ui/kit/translate.h"
#include "ui/kit/translate_form.h"
#include "ui/kit/tree_edit.h"
#include "ui/shell/workbench.h"

#include <QDir>
#include <QMainWindow>
#include <QScopedValueRollback>

#include <algorithm>

namespace tarnlink {

namespace {

// Out of a reader when the user cancels.
struct Cancelled {};
// A reader's events on their way to the scratch tree's sink, the progress able to cancel.
class ScratchEvents final : public ImportEvents {
public:
    ScratchEvents(ImportSink& sink, ImportProgress& progress) : sink_(sink), progress_(progress) {}

    void OnFolder(const std::string& name, const std::string& description) override
    {
        sink_.OnFolder(name, description);
        carryOn();
    }
    void OnLink(const std::string& name, const std::string& address, const std::string& description) override
    {
        sink_.OnLink(name, address, description);
        carryOn();
    }
    void OnFolderEnd() override { sink_.OnFolderEnd(); }
    void OnBookmarkFolder(const std::string& name, const std::string& description) override
    {
        sink_.OnBookmarkFolder(name, description);
        carryOn();
    }
    void OnBookmark(const BookmarkLink& link) override
    {
        sink_.OnBookmark(link);
        carryOn();
    }
    void OnSeparator() override
    {
        sink_.OnSeparator();
        carryOn();
    }

private:
    void carryOn()
    {
        if (!progress_.carryOn(sink_.Counts()))
            throw Cancelled{};
    }

    ImportSink& sink_;
    ImportProgress& progress_;
};

} // namespace

ImportCommands::ImportCommands(Workbench& bench)
    : bench_(bench),
      progress_([&bench](const QString& title) { return ShowImportProgress(&bench.mainWindow(), title); }),
      home_(QDir::homePath())
{
}

QString ImportCommands::chooseFile(const QString& title, const QString& filter, const char* suffix)
{
    const FileDialogOptions request{
        title, filter,
        bench_.settings().form.text(QStringLiteral("OpenDialog1.InitialDir")).value_or(QString()),
        QString::fromLatin1(suffix)};
    return bench_.prompts().openFileName(request);
}

void ImportCommands::MImoprtFromIEfavoritesClick()
{
    const QString folder = bench_.prompts().chooseFolder(Translate("Select dir for links import"), GetFavoritesFolder());
    if (folder.isEmpty())
        return;
    importRead(Cmd::ImportIE, [&folder](ImportEvents& events) { ReadFavoritesFolder(folder, events); });
}

void ImportCommands::MImoprtOpera1Click()
{
    const QString path = chooseFile(Translate("Import from Opera"), Translate("Opera hot links *.adr") + QStringLiteral(" (*.adr)"), "adr");
    if (path.isEmpty())
        return;
    importRead(Cmd::ImportOpera, [&path](ImportEvents& events) {
        TImportOpera reader;
        reader.FileName = path;
        reader.Import(events);
    });
}

void ImportCommands::MImportTxtClick()
{
    const QString path = chooseFile(Translate("Import from text file"), Translate("text file *.txt") + QStringLiteral(" (*.txt)"), "txt");
    if (path.isEmpty())
        return;
    const TextImportOptions options{Translate("Folder")};
    importInPlace([&](TreeCounts& counts) { ImportTextFile(bench_.tree(), counts, path, options); });
}

void ImportCommands::MImportTlkClick()
{
    const QString path = chooseFile(Translate("Import from Tarnlink List"), Translate("Tarnlink list *.tlk") + QStringLiteral(" (*.tlk)"), "tlk");
    if (path.isEmpty())
        return;
    importInPlace([&](TreeCounts& counts) { ImportCollectionFile(bench_.tree(), counts, path); });
}

void ImportCommands::chooseBookmarkFile(Cmd command, BookmarkFormat format, const char* title, const QString& filter)
{
    const QString path = chooseFile(Translate(title), filter + QStringLiteral(";;") + Translate("All files") + QStringLiteral(" (*)"), "");
    if (!path.isEmpty())
        importBookmarks(command, format, path, QDir::toNativeSeparators(path));
}

void ImportCommands::MImportNetscapeClick()
{
    chooseBookmarkFile(Cmd::ImportNetscape, BookmarkFormat::Netscape, "Import from an HTML bookmark file",
                       Translate("HTML bookmark file") + QStringLiteral(" (*.html *.htm)"));
}

void ImportCommands::MImportFirefoxClick()
{
    chooseBookmarkFile(Cmd::ImportFirefox, BookmarkFormat::Firefox, "Import from a Firefox bookmark backup",
                       Translate("Firefox bookmark backup") + QStringLiteral(" (*.jsonlz4 *.json)"));
}

void ImportCommands::MImportChromiumClick()
{
    chooseBookmarkFile(Cmd::ImportChromium, BookmarkFormat::Chromium, "Import from Chromium bookmarks",
                       Translate("Chromium bookmarks") + QStringLiteral(" (Bookmarks *.json)"));
}

void ImportCommands::MImportXbelClick()
{
    chooseBookmarkFile(Cmd::ImportXbel, BookmarkFormat::Xbel, "Import from XBEL bookmarks",
                       Translate("XBEL bookmarks") + QStringLiteral(" (*.xbel *.xml)"));
}

void ImportCommands::MImportBrowsersClick()
{
    TFormBrowserImport dialog(FindBrowserProfiles(home_), &bench_.mainWindow());
    TranslateForm(&dialog, bench_.language());
    if (bench_.prompts().runDialog(dialog) != QDialog::Accepted)
        return;
    if (const std::optional<BrowserProfile> profile = dialog.chosen())
        importBookmarks(Cmd::ImportBrowsers, profile->format, profile->path, profile->browser);
}

void ImportCommands::importBookmarks(Cmd command, BookmarkFormat format, const QString& path, const QString& source)
{
    ImportSummary summary;
    const bool imported = importRead(command, [&](ImportEvents& events) {
        SummaryCounter counter(events);
        ReadBookmarkFile(format, path, counter, TranslatedRootNames());
        summary = counter.summary();
    });
    if (imported)
        bench_.prompts().inform(CaptionFromMenu(bench_.commands().caption(command)),
                                Translate("Imported from:") + QLatin1Char(' ') + source + QStringLiteral("\n\n")
                                    + CountedLinesText(SummaryLines(summary)));
}

bool ImportCommands::importRead(Cmd command, const std::function<void(ImportEvents&)>& read)
{
    if (importing_)
        return false;
    TfcTreeNode* target = ImportTargetFor(bench_.tree().Selected());
    // The window paints while the reader runs; the handle notices a target that went meanwhile.
    const NodeHandle targetHandle = target ? target->Handle() : NodeHandle();
    TfcTreeNodes scratch;
    TreeCounts counts;
    ImportSink sink(scratch, counts, nullptr);
    std::exception_ptr damage;
    {
        const QScopedValueRollback busy(importing_, true);
        const std::unique_ptr<ImportProgress> progress = progress_(CaptionFromMenu(bench_.commands().caption(command)));
        ScratchEvents events(sink, *progress);
        try {
            read(events);
        } catch (const Cancelled&) {
            return false;
        } catch (const NestedTooDeeplyError&) {
            throw; // refused whole, whatever was read before
        } catch (...) {
            damage = std::current_exception();
        }
    }
    // A file that could not be read at all leaves the document as it was.
    if (damage && scratch.Count() == 0)
        std::rethrow_exception(damage);
    AppendScratchTree(scratch, bench_.tree(), targetHandle.get());
    finish(counts);
    if (damage)
        std::rethrow_exception(damage);
    return true;
}

void ImportCommands::importInPlace(const std::function<void(TreeCounts&)>& import)
{
    const TreeCounts before = bench_.document().counts;
    TreeCounts counts = before;
    try {
        import(counts);
    } catch (...) {
        if (!(counts == before))
            finish(counts - before);
        throw;
    }
    finish(counts - before);
}

void ImportCommands::finish(const TreeCounts& added)
{
    bench_.treeEdited({TreeChange::Imported, added, {}});
    // The status bar shows the totals unless a link's clicks and visit are on it.
    const TfcTreeNode* selected = bench_.tree().Selected();
    if (!selected || selected->IsFolder())
        bench_.ShowTotals();
}

} // namespace tarnlink
