// Any byte string as a Firefox bookmark backup, compressed or plain, gives a tree or our error.

#include "bookmark_fuzzing.h"
#include "interchange/firefox_backup.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    tarnlink::fuzz::ReadIntoScratchTree([&](tarnlink::ImportEvents& events) { tarnlink::ReadFirefoxBackup(bytes, events); });
    return 0;
}
