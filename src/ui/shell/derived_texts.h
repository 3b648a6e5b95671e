#pragma once

// Captions and hints derived from the menu captions: the tool bars' floating captions, the tab
// captions, the header label and the hints of the tool and header buttons.

#include "ui/kit/translate.h"

namespace tarnlink {

class CommandMap;
struct MainParts;

// The window's own texts among them (the header label, two tab captions, two hint prefixes) go
// through windowText, the translation of window texts.
void SetDerivedControlTexts(MainParts& parts, const CommandMap& commands, const Translator& windowText);

} // namespace tarnlink
