#pragma once

#include <string>
#include <string_view>

namespace tarnlink {

// Lower case for the parts of an address that ignore case: the scheme and the host, that is the
// text up to the first "/", "?" or "#" after "://" (or from the start when there is no "://").
// Paths, queries and fragments keep their case.
std::string LowerSchemeAndHost(std::string_view address);

} // namespace tarnlink
