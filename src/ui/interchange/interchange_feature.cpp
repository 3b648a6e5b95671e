#include "ui/interchange/interchange_feature.h"

#include "model/tree_node.h"
#include "settings/settings.h"
#include "ui/interchange/form_export.h"
#include "ui/interchange/html_templates.h"
#include "ui/kit/command_map.h"
#include "ui/kit/prompts.h"
#include "ui/kit/translate.h"
#include "ui/kit/translate_form.h"
#include "ui/kit/window_animation.h"
#include "ui/shell/workbench.h"

#include <QMainWindow>
#include <QRadioButton>
#include <QTabWidget>

#include <memory>

namespace tarnlink {

InterchangeFeature::InterchangeFeature(Workbench& bench) : bench_(bench), imports_(bench), printing_(bench)
{
    CommandMap& c = bench.commands();
    c.setHandler(Cmd::ImportIE, [this] { imports_.MImoprtFromIEfavoritesClick(); });
    c.setHandler(Cmd::ImportOpera, [this] { imports_.MImoprtOpera1Click(); });
    c.setHandler(Cmd::ImportText, [this] { imports_.MImportTxtClick(); });
    c.setHandler(Cmd::ImportTarnlink, [this] { imports_.MImportTlkClick(); });
    c.setHandler(Cmd::ImportBrowsers, [this] { imports_.MImportBrowsersClick(); });
    c.setHandler(Cmd::ImportNetscape, [this] { imports_.MImportNetscapeClick(); });
    c.setHandler(Cmd::ImportFirefox, [this] { imports_.MImportFirefoxClick(); });
    c.setHandler(Cmd::ImportChromium, [this] { imports_.MImportChromiumClick(); });
    c.setHandler(Cmd::ImportXbel, [this] { imports_.MImportXbelClick(); });
    c.setHandler(Cmd::Export, [this] { MExportClick(); });
    c.setHandler(Cmd::Print, [this] { printing_.MPrintClick(); });
    c.setHandler(Cmd::SetupPrinter, [this] { printing_.MPrintSetupClick(); });
}

bool InterchangeFeature::mayClose()
{
    return !imports_.importing();
}

TFormExport* InterchangeFeature::createExportDialog()
{
    auto* dialog = new TFormExport(bench_.tree(), bench_.promptsSource(), &bench_.mainWindow());
    TranslateForm(dialog, bench_.language());
    AnimateWindow(*dialog, AnimatedWindow::Export, bench_.settings().options);
    dialog->setWindowTitle(CaptionFromMenu(bench_.commands().caption(Cmd::Export)));
    return dialog;
}

void InterchangeFeature::MExportClick()
{
    const std::unique_ptr<TFormExport> dialog(createExportDialog());
    Settings& settings = bench_.settings();
    dialog->move(settings.main.expWLeft, settings.main.expWTop);
    const TfcTreeNode* selected = bench_.tree().Selected();
    dialog->RadioBtnSelGroup()->setEnabled(selected && !selected->IsLink());
    dialog->loadSettings(settings.exportDialog);
    dialog->setTemplates(ReadHtmlTemplates(bench_.settingsFile().ini()));

    const bool accepted = bench_.prompts().runDialog(*dialog) == QDialog::Accepted;
    settings.main.expWLeft = dialog->position().x();
    settings.main.expWTop = dialog->position().y();
    const int page = dialog->PageControl()->currentIndex();
    if (accepted) {
        dialog->storeSettings(settings.exportDialog);
        if (dialog->templatesEdited())
            StoreHtmlTemplates(bench_.settingsFile(), dialog->templates());
    }
    settings.exportDialog.actP = page;
}

} // namespace tarnlink
