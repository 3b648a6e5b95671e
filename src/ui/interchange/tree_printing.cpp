#include "ui/interchange/tree_printing.h"

#include "document/document.h"
#include "interchange/export_walk.h"
#include "model/errors.h"
#include "model/tree_node.h"
#include "platform/codepage.h"
#include "ui/kit/prompts.h"
#include "ui/kit/translate.h"
#include "ui/shell/workbench.h"
#include "ui/tree/tree_view.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMainWindow>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QScopeGuard>

#include <algorithm>

namespace tarnlink {

namespace {

constexpr qreal kFallbackPointSize = 10;
constexpr qreal kMarginMm = 15;

// Lines one below the other, a new page when the next would not fit.
class PagedLines {
public:
    PagedLines(QPainter& painter, QPrinter& printer, const QFont& font)
        : painter_(painter), printer_(printer), regular_(font), bold_(font)
    {
        bold_.setBold(true);
        const QFontMetrics plain(regular_, &printer), strong(bold_, &printer);
        lineHeight_ = std::max(plain.lineSpacing(), strong.lineSpacing());
        ascent_ = std::max(plain.ascent(), strong.ascent());
        pageHeight_ = printer.pageLayout().paintRectPixels(printer.resolution()).height();
        painter_.setFont(regular_);
    }

    void line(const QString& text, bool bold)
    {
        if (y_ > 0 && y_ + lineHeight_ > pageHeight_) {
            printer_.newPage();
            y_ = 0;
        }
        if (bold != boldNow_) {
            painter_.setFont(bold ? bold_ : regular_);
            boldNow_ = bold;
        }
        painter_.drawText(0, y_ + ascent_, text);
        y_ += lineHeight_;
    }
    // An empty line; at the foot of a page it ends the page instead of opening the next one.
    void gap() { y_ += lineHeight_; }

private:
    QPainter& painter_;
    QPrinter& printer_;
    QFont regular_;
    QFont bold_;
    bool boldNow_ = false;
    int lineHeight_ = 0;
    int ascent_ = 0;
    int pageHeight_ = 0;
    int y_ = 0;
};

QString printerName(const QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : printer.printerName();
}

// A named PDF file, or a printer the system knows. Without any printer Qt keeps a printer on
// PDF output, so a missing file name is what is left of "no printer".
bool canPrintTo(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return !printer.outputFileName().isEmpty();
    return !QPrinterInfo::printerInfo(printer.printerName()).isNull();
}

QFont printFont(const QFont& treeFont)
{
    QFont font(treeFont.family());
    font.setPointSizeF(treeFont.pointSizeF() > 0 ? treeFont.pointSizeF() : kFallbackPointSize);
    return font;
}

} // namespace

void PrintTree(const TfcTreeNodes& tree, QPrinter& printer, const QFont& font)
{
    ExportWalk walk = ExportWalk::WholeDocument(tree);
    const TfcTreeNode* node = walk.Next();
    if (!node)
        return;
    QPainter painter;
    if (!painter.begin(&printer))
        throw FileError("Cannot print to \"" + printerName(printer).toStdString() + "\"");
    PagedLines lines(painter, printer, printFont(font));
    const QString two(2, QLatin1Char(' ')), four(4, QLatin1Char(' '));
    for (; node; node = walk.Next()) {
        if (node->IsLink())
            lines.line(four + codepage::toDisplay(node->Name()) + four + codepage::toDisplay(node->Link1), false);
        else
            lines.line(two + codepage::toDisplay(node->Name()), true);
        lines.gap();
    }
    painter.end();
}

PrintCommands::PrintCommands(Workbench& bench) : bench_(bench)
{
    // Paper margins for a PDF file, which has none of its own; a printer keeps at least its own.
    printer_.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
}

void PrintCommands::offerFileWithoutPrinter()
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        return;
    printer_.setOutputFormat(QPrinter::PdfFormat);
    if (printer_.outputFileName().isEmpty()) {
        const Document& document = bench_.document();
        const QString name = document.untitled() ? QStringLiteral("Tarnlink") : QFileInfo(document.path).completeBaseName();
        printer_.setOutputFileName(QDir::home().filePath(name + QStringLiteral(".pdf")));
    }
}

void PrintCommands::MPrintClick()
{
    offerFileWithoutPrinter();
    QPrintDialog dialog(&printer_, &bench_.mainWindow());
    if (bench_.prompts().runDialog(dialog) != QDialog::Accepted)
        return;
    if (!canPrintTo(printer_)) {
        bench_.prompts().error(Translate("No default printer selected"));
        return;
    }
    // Some thousand pages take a few seconds.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restore = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
    PrintTree(bench_.tree(), printer_, bench_.treeView().font());
}

void PrintCommands::MPrintSetupClick()
{
    offerFileWithoutPrinter();
    QPageSetupDialog dialog(&printer_, &bench_.mainWindow());
    bench_.prompts().runDialog(dialog);
}

} // namespace tarnlink
