#pragma once

#include <QString>

namespace tarnlink {

// The folder of the language files: "Language" beside the program, else
// <prefix>/share/tarnlink/Language.
QString languageFolder();

} // namespace tarnlink
