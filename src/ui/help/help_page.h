#pragma once

// The help: an HTML page of ours, opened in the desktop's browser.

#include "ui/kit/prompts_source.h"

#include <QString>
#include <QUrl>

#include <functional>

namespace tarnlink {

class CommandMap;

inline constexpr const char* kHelpPage = "help/tarnlink.html";
// The topic that Ctrl+K opens: an anchor in the page.
inline constexpr const char* kHelpTopic20 = "topic20";

using UrlOpener = std::function<bool(const QUrl&)>;

// Wires "&Contents" (F1) and Ctrl+K. A page that is missing or cannot be opened is reported as
// "File not found!" with its path.
void AttachHelpCommands(CommandMap& commands, PromptsSource prompts, const QString& pagePath, UrlOpener open);

} // namespace tarnlink
