#include "ui/launch/launch_feature.h"

#include "model/tree_node.h"
#include "platform/clock.h"
#include "platform/codepage.h"
#include "settings/settings.h"
#include "ui/editing/properties_editor.h"
#include "ui/kit/command_guard.h"
#include "ui/kit/command_map.h"
#include "ui/kit/visit_time.h"
#include "ui/launch/browser_launch.h"
#include "ui/launch/form_launch.h"
#include "ui/shell/workbench.h"

#include <QLineEdit>
#include <QMainWindow>

namespace tarnlink {

LaunchFeature::LaunchFeature(Workbench& bench, PropertiesEditor& editor) : bench_(bench), editor_(editor)
{
    CommandMap& c = bench.commands();
    const auto selected = [&bench] { return bench.tree().Selected(); };
    // The menu items, Ctrl+F1/Ctrl+F2 and the keys typed in the tree act only where the address
    // exists; a folder never launches.
    c.setHandler(Cmd::LaunchLink1, [this, selected] { LaunchLink(selected(), 1); },
                 [](const SelectionFacts& f) { return f.hasLink1(); });
    c.setHandler(Cmd::LaunchLink2, [this, selected] { LaunchLink(selected(), 2); },
                 [](const SelectionFacts& f) { return f.hasLink2(); });
    c.setHandler(Cmd::LaunchSelected, [this, selected] { LaunchLink(selected(), 0); },
                 [](const SelectionFacts& f) { return f.link() && f.launchable(); });
    c.setHandler(Cmd::LaunchLink, [this] { MLaunchLink1Click(); });
    const auto copyRule = [](const SelectionFacts& f) { return f.link() && f.launchable(); };
    c.setHandler(Cmd::CopyAsLink, [this] { Textonly1Click(CopyForm::OnlyLink); }, copyRule);
    c.setHandler(Cmd::CopyAsNameAndLink, [this] { Textonly1Click(CopyForm::NameAndLink); }, copyRule);
    c.setHandler(Cmd::CopyAsHtml, [this] { Textonly1Click(CopyForm::HtmlTag); }, copyRule);
}

bool LaunchFeature::open(const QString& address)
{
    return RunGuarded(bench_.prompts(), [&] {
        OpenInBrowser(bench_.launcher(), bench_.settings().options.browserProgram(), address);
    });
}

bool LaunchFeature::LaunchLink(TfcTreeNode* node, int which)
{
    if (!node || !node->IsLink())
        return false;
    const std::string& address = ChooseLinkAddress(node->Link1, node->Link2, which);
    if (address.empty() || !open(codepage::toDisplay(address)))
        return false;
    ++node->Clicks;
    node->Visited = FormatVisitTime(Clock::current().now());
    bench_.tree().NodeChanged(node);
    bench_.treeEdited({TreeChange::Edited, {}, {}, node});
    RunGuarded(bench_.prompts(), [&] { editor_.ShowNodeStatus(node); });
    return true;
}

bool LaunchFeature::LaunchAddress(const QString& first, const QString& second)
{
    const QString address = ChooseAddress(first, second, bench_.settings().options.chkListViewLink2);
    return !address.isEmpty() && open(address);
}

void LaunchFeature::MLaunchLink1Click()
{
    if (const auto typed = TFormLaunch::ask(bench_.prompts(), bench_.commands().caption(Cmd::LaunchLink),
                                            bench_.language(), &bench_.mainWindow()))
        LaunchAddress(*typed);
}

void LaunchFeature::Textonly1Click(CopyForm form)
{
    const QString link1 = editor_.EditUrl()->text();
    CopyAsToClipboard(form, editor_.EditName()->text(), link1.isEmpty() ? editor_.EditUrl2()->text() : link1);
}

} // namespace tarnlink
