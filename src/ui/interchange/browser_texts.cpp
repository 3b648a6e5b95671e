#include "ui/interchange/browser_texts.h"

#include "platform/codepage.h"
#include "ui/kit/translate.h"

#include <QStringList>

namespace tarnlink {

RootFolderNames TranslatedRootNames()
{
    return {codepage::fromDisplay(Translate("Bookmarks Menu")), codepage::fromDisplay(Translate("Bookmarks Toolbar")),
            codepage::fromDisplay(Translate("Other Bookmarks")), codepage::fromDisplay(Translate("Mobile Bookmarks"))};
}

QString CountedLinesText(const std::vector<SummaryLine>& lines)
{
    QStringList text;
    for (const SummaryLine& line : lines)
        text << Translate(line.text) + QLatin1Char(' ') + QString::number(line.count);
    return text.join(QLatin1Char('\n'));
}

} // namespace tarnlink
