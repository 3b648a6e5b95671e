#include "ui/interchange/html_templates.h"

#include "settings/ini_file.h"
#include "settings/settings.h"

namespace tarnlink {

namespace {
const QString kSection = QStringLiteral("Export");
const QString kBegin = QStringLiteral("HtmlBegin");
const QString kEnd = QStringLiteral("HtmlEnd");
} // namespace

HtmlTemplates ReadHtmlTemplates(const IniFile& ini)
{
    return {readNumberedList(ini, kSection, kBegin, kBegin), readNumberedList(ini, kSection, kEnd, kEnd)};
}

void WriteHtmlTemplates(IniFile& ini, const HtmlTemplates& templates)
{
    writeNumberedList(ini, kSection, kBegin, kBegin, templates.begin);
    writeNumberedList(ini, kSection, kEnd, kEnd, templates.end);
}

void StoreHtmlTemplates(SettingsFile& file, const HtmlTemplates& templates)
{
    IniFile onDisk = IniFile::load(file.path());
    WriteHtmlTemplates(onDisk, templates);
    onDisk.save(file.path());
    WriteHtmlTemplates(file.ini(), templates);
}

} // namespace tarnlink
