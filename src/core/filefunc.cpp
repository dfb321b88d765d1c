#include "core/filefunc.h"

#include <filesystem>
#include <system_error>

namespace {

// Characters of a line after the name: the separator and RRGGBB.
constexpr std::size_t kTailLength = 7;

char AsciiLower(char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch; }

bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    }
    return true;
}

} // namespace

BrowserColorList ParseBrowserColors(std::string_view bytes)
{
    BrowserColorList list;
    std::size_t pos = 0;
    while (list.entries.size() < static_cast<std::size_t>(kBrowserColorCount) && pos < bytes.size()) {
        // One line, however long, without its line break.
        std::size_t end = bytes.find('\n', pos);
        if (end == std::string_view::npos)
            end = bytes.size();
        std::string_view line = bytes.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);

        BrowserColor entry;
        if (line.size() < kTailLength) {
            // No room for a separator and six digits: name the whole line.
            list.entries.push_back(entry);
            list.failed = true;
            list.error = "'0x" + std::string(line) + "' は整数ではありません";
            break;
        }
        const std::size_t nameLength = line.size() - kTailLength;
        entry.name = std::string(line.substr(0, nameLength));
        const std::string_view digits = line.substr(nameLength + 1);
        // RRGGBB becomes 0xBBGGRR, the colour value.
        std::string text = "0x";
        text += digits.substr(4, 2);
        text += digits.substr(2, 2);
        text += digits.substr(0, 2);
        std::int32_t value = 0;
        if (!TryStrToInt(text, value)) {
            list.entries.push_back(entry);
            list.failed = true;
            list.error = "'" + text + "' は整数ではありません";
            break;
        }
        entry.color = static_cast<TColor>(value);
        list.entries.push_back(entry);
    }
    return list;
}

bool CheckFileExists(const std::string& path)
{
    namespace fs = std::filesystem;
    const std::size_t cut = path.find_last_of('/');
    const std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
    if (name.empty())
        return false;

    std::error_code error;
    const fs::path whole(path);
    if (fs::exists(fs::symlink_status(whole, error)))
        return true; // found under its own name, which equals itself in any case

    // Look in the folder for a name that differs in letter case only.
    const fs::path folder = cut == std::string::npos ? fs::path(".") : fs::path(path.substr(0, cut + 1));
    fs::directory_iterator it(folder, error);
    if (error)
        return false;
    for (; it != fs::directory_iterator(); it.increment(error)) {
        if (error)
            return false;
        if (SameIgnoringCase(it->path().filename().string(), name))
            return true;
    }
    return false;
}
