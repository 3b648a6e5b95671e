#pragma once

// The export dialog's rows of a file or folder: an edit named after its stored value, its
// browse button beside it, in a group of its own.

class QGroupBox;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace tarnlink {

QLineEdit* NamedPathEdit(const char* name);
// The browse button is named after the edit, with "Button" added; a button that finds the path,
// if any, stands after it.
QGroupBox* PathGroup(const char* name, const char* caption, QLineEdit* edit, QToolButton*& browse,
                     QPushButton* find = nullptr);

} // namespace tarnlink
