// File > Print into a PDF file, read back with pdftotext: the lines of the tree, protected
// folders passed over, long trees on several pages, and the page setup kept for the next print.

#include "interchange_support.h"

#include "ui/kit/command_map.h"
#include "ui/interchange/tree_printing.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QProcess>
#include <QRegularExpression>

using namespace tarnlink;
using namespace tarnlink::testing;

namespace {

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The page count and the first page's width and height in points.
struct PdfFacts {
    int pages = 0;
    double width = 0, height = 0;
};

PdfFacts pdfFacts(const QString& pdf)
{
    const QString info = run("pdfinfo", {pdf});
    PdfFacts facts;
    facts.pages = QRegularExpression("Pages:\\s+(\\d+)").match(info).captured(1).toInt();
    const auto size = QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+)").match(info);
    facts.width = size.captured(1).toDouble();
    facts.height = size.captured(2).toDouble();
    return facts;
}

class PrintingTest : public InterchangeTest {
protected:
    // File > Print, the dialog sending it to a PDF file; the file's text, one line per line.
    QStringList print(const QString& name)
    {
        const QString pdf = path(name);
        prompts.dialog([pdf](QDialog& dialog) {
            QPrinter* printer = dynamic_cast<QPrintDialog&>(dialog).printer();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            return QDialog::Accepted;
        });
        form->commands().run(Cmd::Print);
        if (!QFile::exists(pdf))
            return {"(no file)"};
        QStringList lines = run("pdftotext", {"-layout", pdf, "-"}).split('\n');
        for (QString& line : lines)
            line = line.simplified();
        lines.removeAll(QString());
        lines.removeAll(QStringLiteral("\f"));
        return lines;
    }
};

TEST_F(PrintingTest, PrintsTheLinesAndPassesOverProtectedFolders)
{
    form->tree().Clear();
    test::Build(form->tree(), {test::Folder("Work", {test::Link("Mail", "http://mail.example/"),
                                                     test::Protected("Vault", {test::Link("Secret", "http://secret/")})}),
                               test::Link("After", "http://after.example/"), test::Separator("Line"),
                               test::Protected("Closed", {test::Link("Hidden", "http://hidden/")})});
    const QStringList expected{"Work", "Mail http://mail.example/", "After http://after.example/", "Line"};
    EXPECT_EQ(print("tree.pdf"), expected);
    EXPECT_TRUE(prompts.take().isEmpty());
    EXPECT_TRUE(run("pdffonts", {path("tree.pdf")}).contains("Bold")); // folders and separators
    EXPECT_FALSE(form->document().modified);
}

TEST_F(PrintingTest, LongTreesRunOnOverPages)
{
    TfcTreeNode* folder = node(0);
    for (int i = 0; i < 300; ++i)
        form->tree().AddChild(folder, "Link " + std::to_string(i))->Link1 = "http://x/" + std::to_string(i);
    const QStringList lines = print("long.pdf");
    EXPECT_EQ(lines.size(), 4 + 300);
    EXPECT_EQ(lines.value(2 + 300), "top http://top/");
    EXPECT_GT(pdfFacts(path("long.pdf")).pages, 5);
}

TEST_F(PrintingTest, NothingForAnEmptyTreeOrACancelledDialog)
{
    prompts.dialog(cancel);
    form->commands().run(Cmd::Print);
    form->tree().Clear();
    EXPECT_EQ(print("empty.pdf"), QStringList{"(no file)"});
    EXPECT_TRUE(prompts.take().isEmpty());
}

TEST_F(PrintingTest, PageSetupHoldsForTheNextPrint)
{
    prompts.dialog([](QDialog& dialog) {
        dynamic_cast<QPageSetupDialog&>(dialog).printer()->setPageOrientation(QPageLayout::Landscape);
        return QDialog::Accepted;
    });
    form->commands().run(Cmd::SetupPrinter);
    print("landscape.pdf");
    const PdfFacts facts = pdfFacts(path("landscape.pdf"));
    EXPECT_GT(facts.width, facts.height);
}

TEST_F(PrintingTest, WithoutPrinterOrFileTheErrorIsShown)
{
    prompts.dialog([](QDialog& dialog) {
        // A printer that is not there; where no printer exists, Qt keeps it on PDF output with
        // no file.
        QPrinter* printer = dynamic_cast<QPrintDialog&>(dialog).printer();
        printer->setOutputFileName(QString());
        printer->setOutputFormat(QPrinter::NativeFormat);
        printer->setPrinterName("no such printer");
        return QDialog::Accepted;
    });
    form->commands().run(Cmd::Print);
    EXPECT_EQ(prompts.take(), QStringList{"error: No default printer selected"});
}

} // namespace
