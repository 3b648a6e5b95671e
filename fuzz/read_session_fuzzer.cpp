// Any byte string, as a mozLz40 file or as the session JSON inside one, gives a page or nothing.

#include "capture/firefox_session.h"
#include "platform/mozlz4.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    if (const auto decoded = tarnlink::DecodeMozLz4(bytes))
        tarnlink::SelectedSessionPage(*decoded);
    tarnlink::SelectedSessionPage(bytes.toByteArray());
    return 0;
}
