#include "text_export.h"

#include "file_io.h"

#include "model/tree_node.h"
#include "platform/codepage.h"

namespace tarnlink {

namespace {

using Field = TextExportOptions::Field;

class TextLines final : public ExportWriter {
public:
    explicit TextLines(const TextExportOptions& options) : options_(options)
    {
        for (int f = 0; f < TextExportOptions::FieldCount; ++f)
            prefixes_[f] = options.captions[f] + (f == TextExportOptions::Link ? QStringLiteral(":\t\t") : QStringLiteral(":\t"));
    }

    void folder(const TfcTreeNode& folder) override
    {
        if (!options_.fields[TextExportOptions::Name] || folder.Name().empty())
            return;
        const bool topLevel = folder.Parent() == nullptr;
        if (topLevel)
            line({}, {});
        line({}, codepage::upper(folder.Name()));
        line({}, {});
        if (topLevel)
            line({}, {});
    }

    void item(const TfcTreeNode& node) override
    {
        field(TextExportOptions::Name, node.Name());
        field(TextExportOptions::Link, node.Link1);
        field(TextExportOptions::Description, node.Description);
        field(TextExportOptions::Login, node.Login);
        field(TextExportOptions::Password, node.Password);
        if (node.Clicks > 0)
            field(TextExportOptions::Clicks, std::to_string(node.Clicks));
        field(TextExportOptions::Visit, node.Visited);
        line({}, {});
    }

    std::string take() { return options_.dosPage ? codepage::toOem(wide_).toStdString() : std::move(text_); }

private:
    void field(Field f, const std::string& value)
    {
        if (options_.fields[f] && !value.empty())
            line(prefixes_[f], value);
    }

    // A line is the prefix (text of the program) followed by a value as the collection stores it.
    // The DOS page is converted once at the end, each value first read in its own code page.
    void line(const QString& prefix, std::string_view value)
    {
        if (options_.dosPage) {
            wide_ += prefix;
            wide_ += codepage::toDisplay(value);
            wide_ += QLatin1String("\r\n");
        } else {
            text_ += prefix.toStdString();
            text_ += value;
            text_ += "\r\n";
        }
    }

    const TextExportOptions& options_;
    std::array<QString, TextExportOptions::FieldCount> prefixes_;
    std::string text_;
    QString wide_;
};

} // namespace

std::optional<std::string> BuildTextExport(const TfcTreeNodes& tree, const ExportScope& scope, const TextExportOptions& options)
{
    ExportPlan plan = PlanExport(tree, scope);
    if (!plan.writes)
        return std::nullopt;
    TextLines text(options);
    WriteExportPlan(plan, text);
    return text.take();
}

bool ExportToText(const TfcTreeNodes& tree, const ExportScope& scope, const TextExportOptions& options, const QString& fileName)
{
    return SaveExportIfAny(fileName, BuildTextExport(tree, scope, options));
}

} // namespace tarnlink
