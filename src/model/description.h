#pragma once

// Descriptions are stored as one line unchanged, or as several lines each followed by a CR.

#include <string>
#include <vector>

namespace tarnlink {

std::string EncodeDescription(const std::vector<std::string>& lines);

// Text after the last CR of a multi-line description (written elsewhere) is kept as a last line,
// so editing such a node never drops it.
std::vector<std::string> DecodeDescription(const std::string& stored);

} // namespace tarnlink
