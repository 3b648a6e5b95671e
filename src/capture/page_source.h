#pragma once

// Asking running browsers for the page they show. Every source answers the same text,
// "address","title" (the address and the title each in double quotes, a comma between), or
// nothing; one parser reads all answers.

#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace tarnlink {

struct BrowserPage {
    QString address;
    QString title;
    bool operator==(const BrowserPage&) const = default;
};

class PageSource {
public:
    virtual ~PageSource() = default;
    // The answer text, or empty when the browser is not running or tells nothing usable.
    virtual QString currentPage() = 0;
};

using PageSources = std::vector<std::unique_ptr<PageSource>>;

// The answer a source gives for a page.
QString PageAnswer(const QString& address, const QString& title);
// The page of an answer; nothing for an empty answer or a blank page ("about:blank"). The title
// ends at the first double quote after its opening one.
std::optional<BrowserPage> ParsePageAnswer(const QString& answer);

// Asks the sources in order and stops at the first that yields a page.
std::optional<BrowserPage> AskPageSources(const PageSources& sources);

} // namespace tarnlink
