#pragma once

// What an import of a browser's bookmarks read and what it passed over, told to the user after
// the import by the window and by the tool.

#include "import_sink.h"

#include <array>
#include <vector>

namespace tarnlink {

struct ImportSummary {
    int folders = 0;
    int links = 0;
    int separators = 0;
    std::array<int, kSkipReasonCount> skipped{};

    bool operator==(const ImportSummary&) const = default;
};

// Counts every event on its way to the events behind it.
class SummaryCounter final : public ImportEvents {
public:
    explicit SummaryCounter(ImportEvents& next) : next_(next) {}

    const ImportSummary& summary() const { return summary_; }

    void OnFolder(const std::string& name, const std::string& description) override;
    void OnLink(const std::string& name, const std::string& address, const std::string& description) override;
    void OnFolderEnd() override;
    void OnBookmarkFolder(const std::string& name, const std::string& description) override;
    void OnBookmark(const BookmarkLink& link) override;
    void OnSeparator() override;
    void OnSkipped(SkipReason reason) override;

private:
    ImportEvents& next_;
    ImportSummary summary_;
};

// One line of the summary: its English text (translated where it is shown) and its number.
struct SummaryLine {
    const char* text;
    int count;
};

// Folders, links and separators read, then each reason for passing entries over that occurred.
std::vector<SummaryLine> SummaryLines(const ImportSummary& summary);

} // namespace tarnlink
