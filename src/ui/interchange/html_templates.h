#pragma once

// The HTML export's begin and end texts. They live only in the settings file (section "Export",
// a count key and numbered line keys): the export dialog reads them when it opens and writes
// them to the file at once when it closes with OK after one was edited.

#include <QStringList>

namespace tarnlink {

class IniFile;
class SettingsFile;

struct HtmlTemplates {
    QStringList begin; // "HtmlBegin", "HtmlBegin0", ...
    QStringList end;   // "HtmlEnd", "HtmlEnd0", ...
};

HtmlTemplates ReadHtmlTemplates(const IniFile& ini);
void WriteHtmlTemplates(IniFile& ini, const HtmlTemplates& templates);

// Into the file now, and into what the exit writes, so the exit does not put old texts back.
// Throws SettingsWriteError.
void StoreHtmlTemplates(SettingsFile& file, const HtmlTemplates& templates);

} // namespace tarnlink
