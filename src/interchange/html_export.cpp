#include "html_export.h"

#include "file_io.h"
#include "text_escapes.h"

#include "model/tree_node.h"
#include "platform/clock.h"

#include <string_view>
#include <vector>

namespace tarnlink {

namespace {

class HtmlLines final : public ExportWriter {
public:
    explicit HtmlLines(const HtmlExportOptions& options) : options_(options) {}

    void line(std::string_view text)
    {
        html_ += text;
        html_ += "\r\n";
    }
    void lines(const QStringList& texts)
    {
        for (const QString& text : texts)
            line(text.toStdString());
    }
    void folder(const TfcTreeNode& folder) override
    {
        if (!folders_.empty()) {
            line("</ul>\r");
            line("<a href=\"#URLIndex\">Jump to Index</a>\r");
            line("<br><hr>\r");
            line("<ul>\r");
        }
        folders_.push_back(&folder);
        line("<h3><a name=\"URL" + std::to_string(folders_.size()) + "\">" + HtmlEscaped(folder.Name()) + "</a></h3>\r");
    }
    void item(const TfcTreeNode& node) override
    {
        line("<li><a href=\"" + HtmlEscaped(node.Link1) + (options_.openInNewWindow ? "\" TARGET=\"_blank\">" : "\">")
             + HtmlEscaped(node.Name()) + "</a></li>\r");
    }
    void index()
    {
        for (size_t k = 0; k < folders_.size(); ++k)
            line("<li><a href=\"#URL" + std::to_string(k + 1) + "\">" + HtmlEscaped(folders_[k]->Name()) + "</a></li>\r");
    }
    std::string take() { return std::move(html_); }

private:
    const HtmlExportOptions& options_;
    std::string html_;
    std::vector<const TfcTreeNode*> folders_;
};

} // namespace

std::optional<std::string> BuildHtmlExport(const TfcTreeNodes& tree, const ExportScope& scope, const HtmlExportOptions& options)
{
    ExportPlan plan = PlanExport(tree, scope);
    if (!plan.writes)
        return std::nullopt;
    const std::string site(kMakerWebSite);
    HtmlLines html(options);
    html.lines(options.beginLines);
    if (options.showDate) {
        const std::string date = Clock::current().now().date().toString(QStringLiteral("dd-MM-yyyy")).toStdString();
        html.line("\t<div align=\"right\">\r\t<dt>Created " + date + " by <a href=\"" + site
                  + "\" TARGET=\"_blank\">Tarnlink</a></dt>\r\t</div>\r");
    }
    html.line("<hr>");
    html.line("<ul>\r");
    WriteExportPlan(plan, html);
    html.line("</ul>\r");
    html.line("<a href=\"#URLIndex\">Jump to Index</a>\r");
    html.line("<br><hr>\r");
    html.line("<ul>\r");
    html.line("<a name=\"URLIndex\"><h2>Index</h2></a>\r");
    html.index();
    html.line("</ul>\r");
    html.line("<br><hr>\r");
    html.line("<div align=\"center\">\r<dt>Thank you for using Tarnlink</dt>\r");
    html.line("<dt><a href=\"" + site + "\" TARGET=\"_blank\">Quorvex</a></dt>\r</div>\r");
    html.lines(options.endLines);
    return html.take();
}

bool ExportToHtml(const TfcTreeNodes& tree, const ExportScope& scope, const HtmlExportOptions& options, const QString& fileName)
{
    return SaveExportIfAny(fileName, BuildHtmlExport(tree, scope, options));
}

} // namespace tarnlink
