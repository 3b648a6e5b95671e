#include "ui/find/find_search.h"

#include "model/tree_search.h"
#include "platform/codepage.h"
#include "settings/settings.h"

namespace tarnlink {

namespace {

std::string upperCase(std::string_view bytes)
{
    return codepage::toDisplay(bytes).toUpper().toStdString();
}

} // namespace

TfcTreeNode* SearchWithChoices(const TfcTreeNodes& tree, const QString& text, const FindTextSection& choices,
                               bool includeStart, bool fromBeginning, bool forward)
{
    SearchQuery query;
    query.text = text.toUpper().toStdString();
    query.fields = {choices.findAll, choices.name, choices.description, choices.url, choices.login, choices.password};
    query.includeStart = includeStart;
    query.fromBeginning = fromBeginning;
    query.forward = forward;
    return SearchTree(tree, query, upperCase);
}

} // namespace tarnlink
