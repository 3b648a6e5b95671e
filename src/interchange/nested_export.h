#pragma once

// The export walk for formats that nest: each folder opens before its contents and closes after
// them. And what such a format cannot hold of the nodes an export covers, told before it runs.

#include "export_walk.h"
#include "import_summary.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tarnlink {

class NestedExportWriter {
public:
    virtual void openFolder(const TfcTreeNode& folder) = 0;
    virtual void closeFolder() = 0;
    // A link or a separator.
    virtual void item(const TfcTreeNode& node) = 0;

protected:
    ~NestedExportWriter() = default;
};

// The scope folder, when there is one, and every node of the walk, every folder closed.
void WriteNestedExport(ExportPlan& plan, NestedExportWriter& writer);

// A file built by a Writer (made of args) whose take() gives it; none when nothing is to be written.
template <typename Writer, typename... Args>
std::optional<std::string> BuildNestedExport(const TfcTreeNodes& tree, const ExportScope& scope, Args&&... args)
{
    ExportPlan plan = PlanExport(tree, scope);
    if (!plan.writes)
        return std::nullopt;
    Writer writer(std::forward<Args>(args)...);
    WriteNestedExport(plan, writer);
    return writer.take();
}

// What an export to a browser's format leaves out, by kind.
enum class LostField { Passwords, Logins, Ratings, SecondAddresses, Separators, LockedFolders };
inline constexpr int kLostFieldCount = 6;

struct ExportLosses {
    std::array<int, kLostFieldCount> counts{};
    int& operator[](LostField field) { return counts[size_t(field)]; }
    int operator[](LostField field) const { return counts[size_t(field)]; }
};

// Counts the links of the scope with a password, a login, a rating or a second address, the
// separators when the format has none, and the protected folders the walk passes over (a
// protected scope folder that is not open counts as one: nothing at all is written then).
ExportLosses CountExportLosses(const TfcTreeNodes& tree, const ExportScope& scope, bool keepsSeparators);

// A line for every kind of field that is left out.
std::vector<SummaryLine> LossLines(const ExportLosses& losses);

} // namespace tarnlink
