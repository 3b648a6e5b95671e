#pragma once

// "Copy as...": a link put on the system clipboard as text, "name - link" or an HTML anchor.

#include <QString>

namespace tarnlink {

enum class CopyForm { OnlyLink = 1, NameAndLink = 2, HtmlTag = 3 };

QString CopyAsText(CopyForm form, const QString& name, const QString& link);
// The text replaces the clipboard's content; the HTML anchor goes along as text/html, so a mail
// or office program pastes a live link.
void CopyAsToClipboard(CopyForm form, const QString& name, const QString& link);

} // namespace tarnlink
