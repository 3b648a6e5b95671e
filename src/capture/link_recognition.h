#pragma once

// Which words of a copied text are Web addresses to add, in the order they stand.

#include <QString>
#include <QStringList>

namespace tarnlink {

// The words (split at CR, LF, blank and tab) that, compared in lower case, contain no text of the
// exclusion list, no "@" (e-mail addresses) and one of "http://", "https://", "www", ".ru",
// ".com", ".net". Each comes with its scheme and host lowered; its path keeps its case.
QStringList RecognizeAddresses(const QString& text, const QStringList& exclusions);

} // namespace tarnlink
