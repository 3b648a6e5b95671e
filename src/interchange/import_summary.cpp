#include "import_summary.h"

namespace tarnlink {

void SummaryCounter::OnFolder(const std::string& name, const std::string& description)
{
    next_.OnFolder(name, description);
    ++summary_.folders;
}

void SummaryCounter::OnLink(const std::string& name, const std::string& address, const std::string& description)
{
    next_.OnLink(name, address, description);
    ++summary_.links;
}

void SummaryCounter::OnFolderEnd()
{
    next_.OnFolderEnd();
}

void SummaryCounter::OnBookmarkFolder(const std::string& name, const std::string& description)
{
    next_.OnBookmarkFolder(name, description);
    ++summary_.folders;
}

void SummaryCounter::OnBookmark(const BookmarkLink& link)
{
    next_.OnBookmark(link);
    ++summary_.links;
}

void SummaryCounter::OnSeparator()
{
    next_.OnSeparator();
    ++summary_.separators;
}

void SummaryCounter::OnSkipped(SkipReason reason)
{
    next_.OnSkipped(reason);
    ++summary_.skipped[size_t(reason)];
}

std::vector<SummaryLine> SummaryLines(const ImportSummary& summary)
{
    static constexpr std::array<const char*, kSkipReasonCount> skippedTexts{
        "Saved searches passed over:", "Browser-internal and script addresses passed over:",
        "Entries of other kinds passed over:"};
    std::vector<SummaryLine> lines{
        {"Folders read:", summary.folders}, {"Links read:", summary.links}, {"Separators read:", summary.separators}};
    for (size_t i = 0; i < skippedTexts.size(); ++i)
        if (summary.skipped[i] > 0)
            lines.push_back({skippedTexts[i], summary.skipped[i]});
    return lines;
}

} // namespace tarnlink
