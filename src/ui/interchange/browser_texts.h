#pragma once

// Texts of the imports and exports of today's browsers' files, in the language shown.

#include "interchange/bookmark_fields.h"
#include "interchange/import_summary.h"

#include <QString>

#include <vector>

namespace tarnlink {

// The folders that hold a browser's roots, named in the language shown.
RootFolderNames TranslatedRootNames();

// One translated text and its number a line.
QString CountedLinesText(const std::vector<SummaryLine>& lines);

} // namespace tarnlink
