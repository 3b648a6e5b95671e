#include "ui/kit/selection_facts.h"

#include "model/tree_node.h"

namespace tarnlink {

SelectionFacts SelectionFacts::of(const TfcTreeNodes& tree)
{
    return {tree.Selected(), tree.SelectionCount()};
}

bool SelectionFacts::folder() const
{
    return selected && selected->IsFolder();
}

bool SelectionFacts::notFolder() const
{
    return selected && !selected->IsFolder();
}

bool SelectionFacts::link() const
{
    return selected && selected->IsLink();
}

bool SelectionFacts::hasLink1() const
{
    return notFolder() && !selected->Link1.empty();
}

bool SelectionFacts::hasLink2() const
{
    return notFolder() && !selected->Link2.empty();
}

} // namespace tarnlink
