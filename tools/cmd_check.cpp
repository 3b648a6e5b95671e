// check: the link check engine over a collection file. Nothing is expanded here, so every
// protected folder counts as locked.

#include "commands.h"
#include "tool_support.h"

#include "document/collection_file.h"
#include "linkcheck/check_report.h"
#include "linkcheck/link_checker.h"
#include "model/tree_counts.h"
#include "model/tree_node.h"

#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

namespace tarnlink::tool {

namespace {

struct CheckArguments {
    QString collection;
    CheckSettings settings;
    QList<int> selected;
};

CheckArguments parseCheck(const QStringList& args)
{
    const Arguments parsed = parseArguments(args, {"--threads", "--delay", "--selected"}, {"--update-moved"}, 1);
    CheckArguments check;
    check.collection = parsed.positional[0];
    if (parsed.has("--threads"))
        check.settings.threadsAmount = numberValue("--threads", parsed.options.at("--threads"));
    if (parsed.has("--delay"))
        check.settings.delayThreads = numberValue("--delay", parsed.options.at("--delay"));
    check.settings.updateMovedPages = parsed.has("--update-moved");
    if (parsed.has("--selected")) {
        for (const QString& index : parsed.options.at("--selected").split(','))
            check.selected << numberValue("--selected", index);
        check.settings.checkSelected = true;
    }
    return check;
}

// Prints rows as the report's lines as workers finish, and ends the event loop once the
// dispatcher and every worker are done.
class ReportPrinter : public CheckListener {
public:
    ReportPrinter(int total, bool showProgress) : total_(total), showProgress_(showProgress) {}

    int rows() const { return rows_; }
    bool descriptionsChanged() const { return descriptionsChanged_; }

    void linkStarted(const QString& name, int progress) override
    {
        if (showProgress_)
            std::fprintf(stderr, "\r\033[K%d/%d %s", progress + 1, total_, OnOneLine(name).toUtf8().constData());
    }
    void workersRunning(int) override {}
    void addRow(const CheckRow& row) override
    {
        ++rows_;
        const QByteArray line = (ReportLine(row) + u'\n').toUtf8();
        if (showProgress_)
            std::fputs("\r\033[K", stderr);
        std::fwrite(line.constData(), 1, line.size(), stdout); // a NUL in a name must not end the line
        std::fflush(stdout);
    }
    void descriptionChanged(const NodeHandle&) override { descriptionsChanged_ = true; }
    void workerEnded(int count) override
    {
        if (count == 0)
            quitWhenDone();
    }
    void runEnded() override
    {
        dispatched_ = true;
        quitWhenDone();
    }

private:
    void quitWhenDone()
    {
        if (dispatched_ && LinkChecker::waitForWorkers(std::chrono::milliseconds(0)))
            QCoreApplication::quit();
    }

    int total_;
    bool showProgress_;
    int rows_ = 0;
    bool dispatched_ = false;
    bool descriptionsChanged_ = false;
};

} // namespace

int runCheck(const QStringList& args)
{
    const CheckArguments parsed = parseCheck(args);
    TfcTreeNodes tree;
    // Moved pages are written back into the file: one the program did not write is refused.
    ReadCollection(parsed.collection, tree, ForeignFiles::Refuse);
    tree.FullCollapse();
    for (const int index : parsed.selected)
        tree.AddToSelection(tree.NodeAt(index));

    ReportPrinter printer(parsed.settings.checkSelected ? tree.SelectionCount() : tree.Count(), isatty(STDERR_FILENO));
    LinkChecker checker(printer);
    checker.setSettings(parsed.settings);
    checker.start(tree);
    QCoreApplication::exec();
    // Rows posted by the last workers before the loop ended.
    QCoreApplication::processEvents();
    if (isatty(STDERR_FILENO))
        std::fputs("\r\033[K", stderr);

    if (printer.descriptionsChanged())
        WriteCollection(parsed.collection, tree, CountNodes(tree));
    return printer.rows() > 0 ? 2 : 0;
}

} // namespace tarnlink::tool
