#pragma once

// What every fuzz target of a browser's bookmark reader does with its input: reads it into a
// scratch tree through the import sink, as the program does, so the sink's limits apply.
// Errors of ours are expected answers to damaged input; anything else is a finding.

#include "interchange/import_sink.h"
#include "model/errors.h"
#include "model/tree_counts.h"
#include "model/tree_node.h"

namespace tarnlink::fuzz {

template <typename Read>
void ReadIntoScratchTree(Read&& read)
{
    TfcTreeNodes tree;
    TreeCounts counts;
    ImportSink sink(tree, counts, nullptr);
    try {
        read(sink);
    } catch (const Error&) {
    }
}

} // namespace tarnlink::fuzz
