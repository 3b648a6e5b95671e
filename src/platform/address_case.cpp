#include "address_case.h"

#include "platform/codepage.h"

namespace tarnlink {

std::string LowerSchemeAndHost(std::string_view address)
{
    const size_t scheme = address.find("://");
    const size_t hostStart = scheme == std::string_view::npos ? 0 : scheme + 3;
    const size_t hostEnd = std::min(address.find_first_of("/?#", hostStart), address.size());
    return codepage::lower(address.substr(0, hostEnd)) + std::string(address.substr(hostEnd));
}

} // namespace tarnlink
