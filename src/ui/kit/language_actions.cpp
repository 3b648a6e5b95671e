#include "ui/kit/language_actions.h"

#include "ui/kit/translate_form.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

namespace tarnlink {

LanguageSwitchWindows::LanguageSwitchWindows(QList<QPointer<QWidget>> windows,
                                             std::function<void()> refreshDerivedTexts)
    : windows_(std::move(windows)), refresh_(std::move(refreshDerivedTexts))
{
}

void LanguageSwitchWindows::translateWindows(const ZIREdozudurOdozed& table)
{
    for (const QPointer<QWidget>& window : windows_)
        if (window)
            TranslateForm(window, table);
}

void LanguageSwitchWindows::processPendingEvents()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void FillLanguageMenu(QMenu* menu, const LanguageMenu& languages,
                      const std::function<void(const QString&)>& chosen)
{
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    for (const QString& language : languages.languages()) {
        QAction* item = menu->addAction(LanguageMenu::caption(language));
        item->setCheckable(true);
        item->setChecked(language == languages.checked());
        item->setData(language);
        // Names are data: a language switch must not translate them.
        item->setProperty(kUntranslatedProperty, true);
        group->addAction(item);
        QObject::connect(item, &QAction::triggered, menu, [chosen, language] { chosen(language); });
    }
    menu->setEnabled(!languages.languages().isEmpty());
}

} // namespace tarnlink
