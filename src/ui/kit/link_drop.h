#pragma once

// Links carried by drag and drop between programs: what browsers and file managers put into a
// drag on Linux, read back as a title and an address, and the same formats written for a link
// dragged out of our windows.

#include <QString>

#include <optional>

class QMimeData;

namespace tarnlink {

struct DroppedLink {
    QString title; // empty when the drag carried none
    QString address;
};

// The first link of the drag: "text/x-moz-url" (UTF-16, address then title), "_NETSCAPE_URL",
// "text/uri-list" (comments skipped), or plain text that is one address. Nothing for anything
// else, so other data dropped on the window is refused.
std::optional<DroppedLink> DroppedLinkOf(const QMimeData& data);
// Whether a drag may be dropped: it carries a link.
bool CarriesLink(const QMimeData& data);

// A drag of one link, in the formats browsers accept.
QMimeData* LinkMimeData(const QString& title, const QString& address);

} // namespace tarnlink
