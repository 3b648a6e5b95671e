#include "ui/editing/editing_features.h"

#include "settings/settings.h"
#include "ui/kit/command_guard.h"
#include "ui/kit/command_map.h"
#include "ui/editing/editing_settings.h"
#include "ui/editing/form_add.h"
#include "ui/shell/form_main.h"
#include "ui/editing/properties_editor.h"
#include "ui/tree/tree_view.h"

#include <QAction>
#include <QLayout>
#include <QTabWidget>
#include <QToolButton>

namespace tarnlink {

EditingFeatures::EditingFeatures(TFormMain& form)
    : form_(form),
      prompts_([&form]() -> Prompts& { return form.prompts(); }),
      add_(new TFormAdd(prompts_,
                        QRect(form.settings().main.addWLeft, form.settings().main.addWTop,
                              form.settings().main.addWWidth, form.settings().main.addWHeight),
                        form.settings().options.linkColor, &form)),
      editor_(new PropertiesEditor(form.tree(), prompts_,
                                   {form.Memo1(), form.Image1(), form.PageControlView()->widget(1),
                                    form.StatusPanel(0), form.StatusPanel(1)})),
      protection_(form.tree(), prompts_),
      adds_(form.tree(), form.document().counts, prompts_, *add_)
{
    const OptionsSection& options = form.settings().options;
    form.PageControlEditor()->widget(1)->layout()->addWidget(editor_);
    editor_->setAddDialog(add_);
    editor_->setPasswordStars(options.password);
    add_->setPasswordStars(options.password);
    protection_.setShowPasswordStars(options.password);
    editor_->setVisitTimeOptions(VisitTimeOptionsOf(options));
    add_->setPasswordOptions(PasswordCharsetsOf(options), options.spPLength);
    adds_.options() = AddOptionsOf(options);

    form.tree().OnExpanding = protection_.guard();
    protection_.setModified = [&form] { form.SetModified(); };
    protection_.setDialogParent(&form);

    attachEditor();
    attachAdds();
    attachCommands();
}

void EditingFeatures::attachEditor()
{
    TFormMain& form = form_;
    FormMainHooks& h = form.hooks();
    h.commitEditors = [this] { return editor_->CommitIfChanged(); };
    // Pictures and visit times that cannot be read throw; the boundary shows them.
    h.showNode = [this](TfcTreeNode*) { RunGuarded(form_.prompts(), [this] { editor_->RefreshEditors(); }); };
    h.clearDocumentViews = [this] { editor_->RefreshEditors(); };
    h.storeSettings = [this, previous = h.storeSettings](Settings& settings) {
        if (previous)
            previous(settings);
        const QRect bounds = add_->bounds();
        settings.main.addWLeft = bounds.x();
        settings.main.addWTop = bounds.y();
        settings.main.addWWidth = bounds.width();
        settings.main.addWHeight = bounds.height();
        settings.options.linkColor = add_->rating();
    };

    PropertiesHooks& e = editor_->hooks();
    e.setModified = [&form] { form.SetModified(); };
    e.showTotals = [&form] { form.ShowTotals(); };
    e.repaintTree = [&form] { form.TreeInet()->viewport()->update(); };
    e.launchLink = [&form](int which) { form.commands().run(which == 1 ? Cmd::LaunchLink1 : Cmd::LaunchLink2); };
    e.rightPanelWidth = [&form] { return form.Panel3()->width(); };
    e.commandStates = [&form](const EditorCommandStates& s) {
        CommandMap& c = form.commands();
        // The header buttons carry actions of their own, outside the command map.
        form.HeaderButton(1)->defaultAction()->setEnabled(s.openUrl);
        form.HeaderButton(0)->defaultAction()->setEnabled(s.password);
        c.setEnabled(Cmd::Password, s.password);
        if (s.launchLink1)
            c.setEnabled(Cmd::LaunchLink1, *s.launchLink1);
        if (s.launchLink2)
            c.setEnabled(Cmd::LaunchLink2, *s.launchLink2);
        for (Cmd cmd : {Cmd::CopyAsLink, Cmd::CopyAsNameAndLink, Cmd::CopyAsHtml})
            c.setEnabled(cmd, s.copyAs);
    };
}

void EditingFeatures::attachAdds()
{
    TFormMain& form = form_;
    AddHooks& a = adds_.hooks();
    a.leaveSelected = [this] { editor_->CommitIfChanged(); };
    a.setModified = [&form] { form.SetModified(); };
    a.showAdded = [this](TfcTreeNode* node, const TFormAdd& dialog) { editor_->ShowAdded(node, dialog); };
    a.showNodeStatus = [this](TfcTreeNode* node) { editor_->ShowNodeStatus(node); };
    a.showTotals = [&form] { form.ShowTotals(); };
    a.focusNode = [&form](TfcTreeNode*) { form.TreeInet()->setFocus(); };
    a.repaintTree = [&form] { form.TreeInet()->viewport()->update(); };
}

void EditingFeatures::attachCommands()
{
    CommandMap& c = form_.commands();
    c.setHandler(Cmd::Properties, [this] { editor_->MEditorClick(); });
    c.setHandler(Cmd::Password, [this] { protection_.BtnSecurClick(); });
    c.setHandler(Cmd::AddLink, [this] { adds_.AddUrl(QString(), QString()); });
    c.setHandler(Cmd::AddUrl, [this] { adds_.AddUrl(QString(), QString()); });
    c.setHandler(Cmd::AddFolder, [this] { adds_.MAddGroupClick(); });
    c.setHandler(Cmd::AddSeparator, [this] { adds_.MAddSeparator2Click(); });
    c.setHandler(Cmd::Expand, [this] { protection_.ExpandAll(); });
}

} // namespace tarnlink
