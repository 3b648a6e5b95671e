#include "ui/shell/document_commands.h"

#include "document/collection_file.h"
#include "model/tree_counts.h"
#include "model/tree_node.h"
#include "settings/settings.h"
#include "ui/kit/command_guard.h"
#include "ui/kit/command_map.h"
#include "ui/kit/prompts.h"
#include "ui/kit/translate.h"
#include "ui/kit/translate_form.h"
#include "ui/shell/tray.h"
#include "ui/shell/workbench.h"
#include "ui/tree/tree_view.h"

#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QScopeGuard>
#include <QTimer>

namespace tarnlink {

namespace {

QString collectionFilter()
{
    return Translate("Tarnlink list *.tlk") + QStringLiteral(" (*.tlk)");
}

QString folderOf(const QString& path)
{
    return QFileInfo(path).absolutePath();
}

} // namespace

DocumentCommands::DocumentCommands(Workbench& bench, QMenu& recentMenu, QMenu& openButtonMenu, QTimer& autoSave)
    : bench_(bench), recentMenu_(recentMenu), openButtonMenu_(openButtonMenu)
{
    recent_.setEntries(bench_.settings().recentFiles);
    connect(&autoSave, &QTimer::timeout, this, [this] { RunGuarded(bench_.prompts(), [this] { autoSaveTick(); }); });
    CommandMap& c = bench_.commands();
    c.setHandler(Cmd::New, [this] { MNewClick(); });
    c.setHandler(Cmd::Open, [this] { MOpenClick(); });
    c.setHandler(Cmd::Save, [this] { MSaveClick(); });
    c.setHandler(Cmd::SaveAs, [this] { MSaveAsClick(); });
    updateRecentMenus();
    showUntitled();
}

QString DocumentCommands::hintText() const
{
    return bench_.tray().hint();
}

void DocumentCommands::setTitle(const QString& title)
{
    bench_.mainWindow().setWindowTitle(title);
}

void DocumentCommands::showUntitled()
{
    setTitle(hintText());
}

bool DocumentCommands::unsavedChanges()
{
    // Text still being typed in the properties editor marks the document only when the editor
    // loses the focus; Save and the "Save file?" question must not lose it.
    bench_.commitEdits();
    return bench_.document().modified;
}

Answer DocumentCommands::askSave()
{
    const Answer answer = bench_.prompts().ask(Translate("Save file?"), AskButtons::YesNoCancel);
    if (answer != Answer::Yes)
        return answer;
    MSaveClick();
    // The user asked to save: a save that wrote nothing (no name given) stops the asking
    // command as Cancel does, as a failed save does.
    return bench_.document().modified ? Answer::Cancel : Answer::Yes;
}

bool DocumentCommands::AskSave()
{
    return askSave() != Answer::Cancel;
}

void DocumentCommands::MNewClick()
{
    if (unsavedChanges() && !AskSave())
        return;
    bench_.clearDocument();
    bench_.document().path.clear();
    bench_.document().modified = false;
    setTitle(hintText());
}

void DocumentCommands::MOpenClick()
{
    Document& document = bench_.document();
    if (unsavedChanges()) {
        const Answer answer = askSave();
        if (answer == Answer::Cancel)
            return;
        if (answer == Answer::No)
            document.modified = false;
    }
    const FileDialogOptions request{
        Translate("Open Tarnlink file"), collectionFilter(),
        bench_.settings().form.text(QStringLiteral("OpenDialog1.InitialDir")).value_or(QString()),
        QStringLiteral("tlk")};
    const QString path = bench_.prompts().openFileName(request);
    if (!path.isEmpty())
        OpenDocument(path);
}

void DocumentCommands::MRUManagerClick(const QString& path)
{
    RunGuarded(bench_.prompts(), [&] { OpenDocument(path); });
}

void DocumentCommands::showNotFound(const QString& path)
{
    bench_.prompts().error(Translate("File not found!") + QLatin1Char(' ') + path);
    recent_.remove(path);
    updateRecentMenus();
}

void DocumentCommands::OpenDocument(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        showNotFound(path);
        return;
    }
    if (unsavedChanges() && !AskSave())
        return;

    TfcTreeNodes& tree = bench_.tree();
    Document& document = bench_.document();
    std::exception_ptr failure;
    bool ours = false;
    {
        // Clearing and reading are one update of the view, ended on failure too.
        UpdateGuard update(tree);
        bench_.clearDocument();
        try {
            const CollectionHeader header = ReadCollection(path, tree);
            document.counts = {header.folderCount, header.linkCount};
            ours = header.ours;
        } catch (...) {
            failure = std::current_exception();
        }
    }
    bench_.settings().form.setText(QStringLiteral("OpenDialog1.InitialDir"), folderOf(path));
    // A file that could not be read whole, or that another program wrote, is never saved over
    // by a save the user did not aim at it: what was read opens untitled, so a save asks for a
    // name.
    if (!failure && ours) {
        recent_.add(path);
        updateRecentMenus();
        document.path = path;
        setTitle(path + QStringLiteral(" - ") + hintText());
    } else {
        document.path.clear();
        showUntitled();
    }
    document.modified = false;
    if (tree.Count() >= 2) {
        TfcTreeNode* first = tree.GetFirstNode();
        tree.Select(first);
        first->Focused = true;
    }
    // The header's counts are only trusted when they agree with the tree.
    const TreeCounts counted = CountNodes(tree);
    if (!(counted == document.counts))
        document.counts = counted;
    bench_.ShowTotals();
    if (failure)
        std::rethrow_exception(failure);
    if (!ours)
        bench_.prompts().warn(ErrorText(NotACollectionError(path.toStdString())));
}

void DocumentCommands::MSaveClick()
{
    if (!unsavedChanges())
        return;
    bench_.treeView().viewport()->update();
    if (!bench_.document().untitled())
        SaveDocument(bench_.document().path);
    else
        MSaveAsClick();
}

void DocumentCommands::MSaveAsClick()
{
    bench_.commitEdits();
    const FileDialogOptions request{
        Translate("Save Tarnlink file"), collectionFilter(),
        bench_.settings().form.text(QStringLiteral("SaveDialog1.InitialDir")).value_or(QString()),
        QStringLiteral("tlk")};
    const QString path = bench_.prompts().saveFileName(request);
    if (!path.isEmpty())
        SaveDocument(path);
}

void DocumentCommands::SaveDocument(const QString& path)
{
    Document& document = bench_.document();
    std::exception_ptr failure;
    try {
        WriteCollection(path, bench_.tree(), document.counts);
    } catch (...) {
        failure = std::current_exception();
    }
    document.path = path;
    setTitle(path + QStringLiteral(" - Tarnlink"));
    bench_.settings().form.setText(QStringLiteral("SaveDialog1.InitialDir"), folderOf(path));
    recent_.add(path);
    updateRecentMenus();
    if (failure)
        std::rethrow_exception(failure);
    document.modified = false;
}

void DocumentCommands::autoSaveTick()
{
    // The timer goes on firing while a Save As dialog of an earlier firing is open; each firing
    // would stack another dialog on it.
    if (autoSaving_)
        return;
    autoSaving_ = true;
    const auto done = qScopeGuard([this] { autoSaving_ = false; });
    MSaveClick();
}

void DocumentCommands::updateRecentMenus()
{
    fillRecentMenu(recentMenu_);
    fillRecentMenu(openButtonMenu_);
    recentMenu_.setEnabled(!recent_.isEmpty());
}

void DocumentCommands::fillRecentMenu(QMenu& menu)
{
    menu.clear();
    const QStringList& entries = recent_.entries();
    for (int i = 0; i < entries.size(); ++i) {
        const QString path = entries[i];
        QString text = path;
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = menu.addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(text));
        action->setProperty(kUntranslatedProperty, true); // a path, not an interface text
        connect(action, &QAction::triggered, this, [this, path] { MRUManagerClick(path); });
    }
}

void DocumentCommands::openAtStart(const QStringList& arguments)
{
    Document& document = bench_.document();
    document.counts = {};
    document.modified = false;
    RunGuarded(bench_.prompts(), [&] {
        if (bench_.settings().options.openFile && !recent_.isEmpty()) {
            const QString newest = recent_.entries().constFirst();
            if (QFileInfo(newest).isFile()) {
                OpenDocument(newest);
            } else {
                recent_.remove(newest);
                updateRecentMenus();
            }
        }
    });
    RunGuarded(bench_.prompts(), [&] {
        if (arguments.value(0).isEmpty())
            return;
        // The document's path is a full one, whatever folder the program was started from.
        // A missing file is reported; the newest recent file, if opened, stays.
        OpenDocument(QDir::cleanPath(QFileInfo(arguments.value(0)).absoluteFilePath()));
    });
}

void DocumentCommands::storeSettings(Settings& settings)
{
    settings.recentFiles = recent_.entries();
}

void DocumentCommands::retranslate()
{
    const Document& document = bench_.document();
    setTitle(document.untitled() ? hintText() : document.path + QStringLiteral(" - ") + hintText());
}

} // namespace tarnlink
