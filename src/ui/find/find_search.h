#pragma once

// The find routine with the choices Find remembers: the text as typed is upper-cased by Unicode
// rules, and so are the fields that are not plain ASCII.

#include <QString>

namespace tarnlink {

class TfcTreeNode;
class TfcTreeNodes;
struct FindTextSection;

TfcTreeNode* SearchWithChoices(const TfcTreeNodes& tree, const QString& text, const FindTextSection& choices,
                               bool includeStart, bool fromBeginning, bool forward);

} // namespace tarnlink
