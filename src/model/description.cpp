#include "description.h"

namespace tarnlink {

namespace {
constexpr char CR = '\r';
}

std::string EncodeDescription(const std::vector<std::string>& lines)
{
    if (lines.empty())
        return {};
    if (lines.size() == 1)
        return lines.front();
    std::string stored;
    for (const std::string& line : lines) {
        stored += line;
        if (line.empty() || line.back() != CR)
            stored += CR;
    }
    return stored;
}

std::vector<std::string> DecodeDescription(const std::string& stored)
{
    if (stored.empty())
        return {};
    if (stored.find(CR) == std::string::npos)
        return {stored};
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t cr; (cr = stored.find(CR, start)) != std::string::npos; start = cr + 1)
        lines.push_back(stored.substr(start, cr - start));
    if (start < stored.size())
        lines.push_back(stored.substr(start));
    return lines;
}

} // namespace tarnlink
