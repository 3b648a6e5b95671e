#pragma once

// Translating a whole window: every user-visible text of the window and of the objects it
// holds (titles, labels, buttons, group boxes, actions and menus, tab texts, list, combo box
// and header items, tool and status tips).

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace tarnlink {

class ZIREdozudurOdozed;

// Objects with this dynamic property set to true hold data, not interface texts (a combo box of
// folder names, a list of links): their texts and those of their children are left alone.
inline constexpr char kUntranslatedProperty[] = "tarnlinkUntranslated";

// Gives every text of the window to visit and puts back what it returns when that differs.
// Each object is visited once, whatever paths lead to it. Windows of their own inside it
// (dialogs, other top-level windows) are not entered: they translate themselves.
void VisitWindowTexts(QWidget* window, const std::function<QString(const QString&)>& visit);

// Translates the window with the table, but only when the table holds more than one line.
void TranslateForm(QWidget* window, const ZIREdozudurOdozed& table);

// Every text the window shows, for checks that the language files cover them.
QStringList WindowTexts(QWidget* window);

} // namespace tarnlink
