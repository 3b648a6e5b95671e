#pragma once

// The Opera export: the collection, or the selected folder, as a hotlist. A protected folder is
// written as an empty folder record.

#include "export_walk.h"

#include <QString>

#include <string>

namespace tarnlink {

std::string BuildOperaExport(const TfcTreeNodes& tree, const ExportScope& scope);

// Throws FileError; an old file stays as it was when saving fails.
void ExportToOpera(const TfcTreeNodes& tree, const ExportScope& scope, const QString& fileName);

} // namespace tarnlink
