#pragma once

// Captions and hints derived from the menu captions: the tool bars' floating captions, the tab
// captions, the header label and the hints of the tool and header buttons.

namespace tarnlink {

class CommandMap;
struct MainParts;

void SetDerivedControlTexts(MainParts& parts, const CommandMap& commands);

} // namespace tarnlink
