// check: the link check engine over a collection file. Nothing is expanded here, so every
// protected folder counts as locked.

#include "commands.h"
#include "tool_support.h"

#include "document/collection_file.h"
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

int number(const QString& option, const QString& value)
{
    bool ok = false;
    const int n = value.toInt(&ok);
    if (!ok)
        fail(option + " needs a number: " + value);
    return n;
}

CheckArguments parseCheck(const QStringList& args)
{
    CheckArguments parsed;
    QStringList positional;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const auto value = [&] {
            if (++i == args.size())
                fail(arg + " needs a value");
            return args[i];
        };
        if (arg == "--threads")
            parsed.settings.threadsAmount = number(arg, value());
        else if (arg == "--delay")
            parsed.settings.delayThreads = number(arg, value());
        else if (arg == "--update-moved")
            parsed.settings.updateMovedPages = true;
        else if (arg == "--selected") {
            for (const QString& index : value().split(','))
                parsed.selected << number(arg, index);
            parsed.settings.checkSelected = true;
        } else if (arg.startsWith("--"))
            fail("unknown option " + arg);
        else
            positional << arg;
    }
    if (positional.size() != 1)
        fail(QStringLiteral("expected 1 argument, got %1").arg(positional.size()));
    parsed.collection = positional[0];
    return parsed;
}

// Prints rows as the report lines (Name, Link, Error, Code joined by tabs) as workers finish,
// and ends the event loop once the dispatcher and every worker are done.
class ReportPrinter : public CheckListener {
public:
    ReportPrinter(int total, bool showProgress) : total_(total), showProgress_(showProgress) {}

    int rows() const { return rows_; }
    bool descriptionsChanged() const { return descriptionsChanged_; }

    void linkStarted(const QString& name, int progress) override
    {
        if (showProgress_)
            std::fprintf(stderr, "\r\033[K%d/%d %s", progress + 1, total_, name.toUtf8().constData());
    }
    void workersRunning(int) override {}
    void addRow(const CheckRow& row) override
    {
        ++rows_;
        const QString line = QStringList{row.name, row.link, row.error, row.code}.join('\t') + '\n';
        if (showProgress_)
            std::fputs("\r\033[K", stderr);
        std::fputs(line.toUtf8().constData(), stdout);
        std::fflush(stdout);
    }
    void descriptionChanged(TfcTreeNode&) override { descriptionsChanged_ = true; }
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
    ReadCollection(parsed.collection, tree);
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
