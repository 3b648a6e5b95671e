#include "ui/editing/editing_feature.h"

#include "document/document.h"
#include "model/tree_node.h"
#include "settings/settings.h"
#include "ui/editing/editing_settings.h"
#include "ui/editing/form_add.h"
#include "ui/editing/properties_editor.h"
#include "ui/kit/command_guard.h"
#include "ui/kit/command_map.h"
#include "ui/kit/language_actions.h"
#include "ui/kit/translate_form.h"
#include "ui/kit/window_animation.h"
#include "ui/shell/workbench.h"
#include "ui/tree/tree_view.h"

#include <QLayout>
#include <QMainWindow>

namespace tarnlink {

namespace {

QRect addDialogBounds(const MainSection& main)
{
    return QRect(main.addWLeft, main.addWTop, main.addWWidth, main.addWHeight);
}

} // namespace

EditingFeature::EditingFeature(Workbench& bench)
    : bench_(bench),
      add_(new TFormAdd(bench.promptsSource(), addDialogBounds(bench.settings().main), bench.settings().options.linkColor,
                        &bench.mainWindow())),
      editor_(new PropertiesEditor(bench.tree(), bench.promptsSource(),
                                   {&bench.descriptionBox(), &bench.screenshot(), &bench.viewPage(ViewPage::Screenshot),
                                    &bench.statusPanel(StatusPanel::FoldersOrClicks),
                                    &bench.statusPanel(StatusPanel::LinksOrVisited)})),
      protection_(bench.tree(), bench.promptsSource()),
      adds_(bench.tree(), bench.promptsSource(), *add_)
{
    bench.editorPage(EditorPage::Properties).layout()->addWidget(editor_);
    editor_->setAddDialog(add_);
    applyOptions(bench.settings().options);
    AnimateWindow(*add_, AnimatedWindow::Add, bench.settings().options);

    bench.tree().OnExpanding = protection_.guard();
    protection_.setModified = [&bench] { bench.SetModified(); };
    protection_.setDialogParent(&bench.mainWindow());

    // The add dialog is a window of its own and lives for the whole run.
    bench.languageWindows().add(add_);

    attachEditor();
    attachAdds();
    attachCommands();
}

bool EditingFeature::commitEdits()
{
    return editor_->CommitIfChanged();
}

void EditingFeature::nodeShown(const ShownNode&)
{
    // Opening or closing a folder shows the node again while its texts may still be typed:
    // they are stored first, into the node they were typed for.
    editor_->CommitIfChanged();
    // Pictures and visit times that cannot be read throw; the window's boundary shows them.
    editor_->RefreshEditors();
}

void EditingFeature::documentCleared()
{
    editor_->RefreshEditors();
}

void EditingFeature::retranslate()
{
    editor_->ShowNodeStatus(editor_->shownNode());
}

void EditingFeature::storeSettings(Settings& settings)
{
    const QRect bounds = add_->bounds();
    settings.main.addWLeft = bounds.x();
    settings.main.addWTop = bounds.y();
    settings.main.addWWidth = bounds.width();
    settings.main.addWHeight = bounds.height();
    settings.options.linkColor = add_->rating();
}

void EditingFeature::settingsChanged(const Settings& settings)
{
    applyOptions(settings.options);
    // The visit time of the selected link in the unit just chosen; a visit text that cannot be
    // read is shown here, so the features after this one still hear of the settings.
    RunGuarded(bench_.prompts(), [this] { editor_->ShowNodeStatus(bench_.tree().Selected()); });
}

void EditingFeature::applyOptions(const OptionsSection& options)
{
    editor_->setPasswordStars(options.password);
    add_->setPasswordStars(options.password);
    protection_.setShowPasswordStars(options.password);
    editor_->setVisitTimeOptions(VisitTimeOptionsOf(options));
    add_->setPasswordOptions(PasswordCharsetsOf(options), options.spPLength);
    adds_.options() = AddOptionsOf(options);
}

void EditingFeature::attachEditor()
{
    Workbench& bench = bench_;
    PropertiesHooks& e = editor_->hooks();
    e.setModified = [&bench] { bench.SetModified(); };
    e.showTotals = [&bench] { bench.ShowTotals(); };
    e.repaintTree = [&bench] { bench.treeView().viewport()->update(); };
    e.launchLink = [&bench](int which) { bench.commands().run(which == 1 ? Cmd::LaunchLink1 : Cmd::LaunchLink2); };
    e.rightPanelWidth = [&bench] { return bench.rightPanel().width(); };
}

void EditingFeature::attachAdds()
{
    Workbench& bench = bench_;
    AddHooks& a = adds_.hooks();
    a.leaveSelected = [&bench] { bench.commitEdits(); };
    a.treeEdited = [&bench](const TreeEdit& edit) { bench.treeEdited(edit); };
    a.showAdded = [this](TfcTreeNode* node, const TFormAdd& dialog) { editor_->ShowAdded(node, dialog); };
    a.showNodeStatus = [this](TfcTreeNode* node) { editor_->ShowNodeStatus(node); };
    a.showTotals = [&bench] { bench.ShowTotals(); };
    a.focusNode = [&bench](TfcTreeNode*) { bench.treeView().setFocus(); };
    a.repaintTree = [&bench] { bench.treeView().viewport()->update(); };
}

void EditingFeature::attachCommands()
{
    CommandMap& c = bench_.commands();
    c.setHandler(Cmd::Properties, [this] { editor_->MEditorClick(); });
    c.setHandler(Cmd::Password, [this] { protection_.BtnSecurClick(); },
                 [](const SelectionFacts& facts) { return facts.folder(); });
    c.setHandler(Cmd::AddLink, [this] { adds_.AddUrl(QString(), QString()); });
    c.setHandler(Cmd::AddUrl, [this] { adds_.AddUrl(QString(), QString()); });
    c.setHandler(Cmd::AddFolder, [this] { adds_.MAddGroupClick(); });
    c.setHandler(Cmd::AddSeparator, [this] { adds_.MAddSeparator2Click(); });
}

} // namespace tarnlink
