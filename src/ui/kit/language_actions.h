#pragma once

// The widget side of the "&Language" menu: its radio items, and the windows a switch of
// language translates.

#include "settings/language_menu.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>

class QMenu;

namespace tarnlink {

// The windows that live for the whole run; windows already gone are skipped.
class LanguageSwitchWindows : public LanguageWindows {
public:
    LanguageSwitchWindows(QList<QPointer<QWidget>> windows, std::function<void()> refreshDerivedTexts);
    void add(QWidget* window) { windows_.append(window); }

    void translateWindows(const ZIREdozudurOdozed& table) override;
    // Repaints without taking user input, so no command runs in the middle of the switch.
    void processPendingEvents() override;
    void refreshDerivedTexts() override { refresh_(); }

private:
    QList<QPointer<QWidget>> windows_;
    std::function<void()> refresh_;
};

// Adds one checkable radio item per language to the menu (once, at start), the menu's checked
// language checked. Choosing an item calls chosen with the language's name.
void FillLanguageMenu(QMenu* menu, const LanguageMenu& languages,
                      const std::function<void(const QString&)>& chosen);

} // namespace tarnlink
