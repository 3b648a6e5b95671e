#pragma once

// Import, export and printing in the main window: the File > Import commands, File > Export
// with its dialog, File > Print and printer setup.

#include "ui/interchange/import_commands.h"
#include "ui/interchange/tree_printing.h"
#include "ui/shell/feature.h"

#include <functional>

namespace tarnlink {

class TFormExport;
class Workbench;

class InterchangeFeature : public Feature {
public:
    explicit InterchangeFeature(Workbench& bench);

    ImportCommands& imports() { return imports_; }
    PrintCommands& printing() { return printing_; }

    // Creates the export dialog, fills it from the settings, runs it and keeps what it closed with.
    void MExportClick();
    // The dialog as MExportClick makes it, before the settings fill it.
    TFormExport* createExportDialog();

    // The window does not close in the middle of an import.
    bool mayClose() override;

private:
    Workbench& bench_;
    ImportCommands imports_;
    PrintCommands printing_;
};

} // namespace tarnlink
