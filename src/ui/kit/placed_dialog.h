#pragma once

// Dialogs made for each use that open where they were last left.

class QDialog;

namespace tarnlink {

class Prompts;

// Runs the dialog at the remembered position and remembers where it was left, accepted or not;
// true when it was accepted.
bool RunPlaced(Prompts& prompts, QDialog& dialog, int& left, int& top);

} // namespace tarnlink
