#pragma once

#include <string_view>
#include <vector>

namespace tarnlink {

// The lines of a text: a line ends at CR LF, LF or CR, a NUL ends the text, and a final line
// break adds no empty line. The views point into text.
std::vector<std::string_view> SplitTextLines(std::string_view text);

} // namespace tarnlink
