#pragma once

// Firefox and the browsers built on it keep the open windows and tabs of a running session in
// each profile's sessionstore-backups/recovery.jsonlz4, rewritten every few seconds.

#include "page_source.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace tarnlink {

// The current history entry of the selected tab of the most recently used window, from the
// session's JSON; nothing when the JSON is invalid or holds no such tab.
std::optional<BrowserPage> SelectedSessionPage(const QByteArray& json);

// The most recently written session file of the profiles under a home folder (regular, snap and
// flatpak installs); empty when there is none.
QString NewestSessionFile(const QString& home);

class FirefoxSessionSource : public PageSource {
public:
    explicit FirefoxSessionSource(QString home) : home_(std::move(home)) {}
    QString currentPage() override;

private:
    QString home_;
};

} // namespace tarnlink
