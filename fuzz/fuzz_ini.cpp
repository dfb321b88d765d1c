// Feeds arbitrary settings files to the reader. The input's first line names
// the section, the second the key, and the rest is the file. The reader must
// never crash or hang, must give at most 2047 characters, and must leave the
// caller's text alone when it finds nothing.
#include "core/inifunc.h"
#include "fuzz_common.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

std::string_view NextLine(std::string_view& rest)
{
    const std::size_t end = rest.find('\n');
    const std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    return line;
}

const std::string& FilePath()
{
    static const std::string path = ScratchFile("fuzz-ini.ini");
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    const std::string section(NextLine(rest));
    const std::string key(NextLine(rest));

    std::FILE* file = std::fopen(FilePath().c_str(), "wb");
    if (file == nullptr)
        return 0;
    std::fwrite(rest.data(), 1, rest.size(), file);
    std::fclose(file);

    for (const auto& [s, k] : {std::pair{section, key}, std::pair{std::string("App"), std::string("HP")}}) {
        std::string result = "\x01untouched";
        const bool found = ReadIniString(result, FilePath(), s, k);
        if (!found && result != "\x01untouched")
            std::abort();
        if (found && (result.size() > 2047 || result.find('\0') != std::string::npos))
            std::abort();
        if ((s.empty() || k.empty()) && found)
            std::abort();
    }
    return 0;
}
