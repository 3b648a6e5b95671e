// Any byte string given as a collection file either loads or fails with the program's error.

#include "document/collection_file.h"
#include "model/byte_stream.h"
#include "model/errors.h"
#include "model/tree_node.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    tarnlink::TfcTreeNodes tree;
    try {
        tarnlink::ReadCollectionImage(std::string_view(reinterpret_cast<const char*>(data), size), tree);
    } catch (const tarnlink::StreamReadError&) {
        return 0;
    }
    // What loaded saves and loads back to the same stream.
    std::string first, second;
    tarnlink::ByteWriter w1(first);
    tree.SaveToStream(w1);
    tarnlink::TfcTreeNodes again;
    tarnlink::ByteReader reader(first);
    again.LoadFromStream(reader);
    tarnlink::ByteWriter w2(second);
    again.SaveToStream(w2);
    if (first != second)
        std::abort();
    return 0;
}
