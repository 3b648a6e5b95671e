#include "language_menu.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace tarnlink {

LanguageMenu::LanguageMenu(QString folder, const QString& storedLanguage) : folder_(std::move(folder))
{
    const QDir dir(folder_);
    const QStringList files = dir.entryList({QStringLiteral("*.lng")}, QDir::Files | QDir::Readable);
    for (const QString& file : files) {
        const QString name = QFileInfo(file).completeBaseName();
        if (!files_.contains(name)) {
            files_.insert(name, file);
            languages_.append(name);
        }
    }
    std::stable_sort(languages_.begin(), languages_.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    if (languages_.contains(storedLanguage))
        checked_ = storedLanguage;
}

QString LanguageMenu::filePath(const QString& language) const
{
    return folder_ + u'/' + files_.value(language, language + QStringLiteral(".lng"));
}

bool LanguageMenu::hasFile(const QString& language) const
{
    return !language.isEmpty() && QFileInfo(filePath(language)).isFile();
}

QString LanguageMenu::caption(const QString& language)
{
    return QString(language).replace(u'&', QLatin1String("&&"));
}

bool LanguageMenu::loadAtStart(const QString& storedLanguage, ZIREdozudurOdozed& table) const
{
    return hasFile(storedLanguage) && table.LoadLanguageFile(filePath(storedLanguage));
}

bool LanguageMenu::choose(const QString& language, QString& storedLanguage, ZIREdozudurOdozed& table,
                          LanguageWindows& windows)
{
    if (language == checked_)
        return false;
    storedLanguage = language;
    switchTo(language, table, windows);
    checked_ = language;
    return true;
}

void LanguageMenu::switchTo(const QString& language, ZIREdozudurOdozed& table,
                            LanguageWindows& windows) const
{
    if (language.isEmpty())
        return;
    table.ReverseTable();
    windows.translateWindows(table);
    windows.processPendingEvents();
    if (hasFile(language) && table.LoadLanguageFile(filePath(language)))
        windows.translateWindows(table);
    windows.refreshDerivedTexts();
}

} // namespace tarnlink
