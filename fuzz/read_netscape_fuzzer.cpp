// Any byte string as a Netscape bookmark file gives a tree or our error.

#include "bookmark_fuzzing.h"
#include "interchange/netscape_bookmarks.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    tarnlink::fuzz::ReadIntoScratchTree([&](tarnlink::ImportEvents& events) {
        tarnlink::ReadNetscapeBookmarks(std::string_view(reinterpret_cast<const char*>(data), size), events);
    });
    return 0;
}
