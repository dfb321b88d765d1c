// Feeds arbitrary bytes to the colour list parser: it must never crash, hang
// or read outside its input, and what it returns must hold together.
#include "core/filefunc.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const BrowserColorList list = ParseBrowserColors(std::string_view(reinterpret_cast<const char*>(data), size));
    if (list.entries.size() > static_cast<std::size_t>(kBrowserColorCount))
        std::abort();
    if (list.failed != !list.error.empty())
        std::abort();
    if (list.failed && list.entries.empty())
        std::abort();
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
        const BrowserColor& entry = list.entries[i];
        if (entry.color > 0xFFFFFF || entry.name.size() > size)
            std::abort();
        if (list.failed && i + 1 == list.entries.size() && entry.color != 0)
            std::abort();
    }
    return 0;
}
