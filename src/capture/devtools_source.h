#pragma once

// Chromium and the browsers built on it, when started with a remote-debugging port, list their
// tabs at http://127.0.0.1:<port>/json/list. The port is in the DevToolsActivePort file of the
// browser's profile folder; 9222 is the customary one.

#include "page_source.h"

#include <QByteArray>
#include <QString>

#include <chrono>
#include <optional>
#include <vector>

namespace tarnlink {

// The first target of type "page" in a /json/list answer; nothing for anything else.
std::optional<BrowserPage> FirstPageTarget(const QByteArray& json);

class DevToolsSource : public PageSource {
public:
    // All requests together end within the time budget, answered or not.
    explicit DevToolsSource(QString home, int defaultPort = 9222,
                            std::chrono::milliseconds budget = std::chrono::milliseconds(300));
    QString currentPage() override;

    // The ports named in the profile folders of the known browsers, then the default port.
    std::vector<int> ports() const;

private:
    QString home_;
    int defaultPort_;
    std::chrono::milliseconds budget_;
};

} // namespace tarnlink
