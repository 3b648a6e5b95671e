#pragma once

// File > Print and printer setup: the tree on paper (or in a PDF file), one line per node in the
// tree's font: folders and separators in bold after two blanks, links after four blanks with
// four blanks and their address, each followed by an empty line. Protected folders are passed
// over with everything inside them; the lines run on over as many pages as they take.

#include <QPrinter>

class QFont;

namespace tarnlink {

class TfcTreeNodes;
class Workbench;

// Paints the tree on the printer; nothing for an empty tree. Throws FileError when the printer
// cannot be started (a PDF file that cannot be written).
void PrintTree(const TfcTreeNodes& tree, QPrinter& printer, const QFont& font);

class PrintCommands {
public:
    explicit PrintCommands(Workbench& bench);

    // The system's print dialog, then the tree on the chosen printer.
    void MPrintClick();
    // The system's page setup; what it sets holds for the next print.
    void MPrintSetupClick();

    QPrinter& printer() { return printer_; }

private:
    // Without an installed printer the dialog still offers a PDF file.
    void offerFileWithoutPrinter();

    Workbench& bench_;
    QPrinter printer_{QPrinter::HighResolution};
};

} // namespace tarnlink
