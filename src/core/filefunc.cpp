#include "core/filefunc.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

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
        // One line of at most kBrowserColorLineLength characters with its
        // line break; the rest of a longer line is the next line.
        const std::string_view window = bytes.substr(pos, kBrowserColorLineLength);
        std::string_view line = window;
        const std::size_t end = window.find('\n');
        if (end != std::string_view::npos) {
            line = window.substr(0, end);
            pos += end + 1;
        } else {
            pos += window.size();
        }
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

bool ReadFromDescriptor(int fd, std::size_t most, std::string& bytes)
{
    bytes.resize(most);
    std::size_t have = 0;
    while (have < most) {
        const ssize_t got = ::read(fd, bytes.data() + have, most - have);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            bytes.clear();
            return false;
        }
        if (got == 0)
            break;
        have += static_cast<std::size_t>(got);
    }
    bytes.resize(have);
    return true;
}

bool ReadRegularFile(const std::string& path, std::size_t limit, std::string& bytes, bool* truncated)
{
    bytes.clear();
    if (truncated != nullptr)
        *truncated = false;
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    // Non-blocking: should the entry have been swapped for a FIFO since it was
    // looked at, the open still returns at once, and the second look refuses it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    // One byte more than the limit tells a file that holds more.
    const bool ok = ReadFromDescriptor(fd, limit + 1, bytes);
    ::close(fd);
    if (!ok)
        return false;
    std::size_t have = bytes.size();
    if (have > limit) {
        have = limit;
        if (truncated != nullptr)
            *truncated = true;
    }
    bytes.resize(have);
    return true;
}

bool CheckFileExists(const std::string& path)
{
    std::string found;
    return FindFileIgnoringCase(path, found);
}

bool FindFileIgnoringCase(const std::string& path, std::string& found)
{
    namespace fs = std::filesystem;
    const std::size_t cut = path.find_last_of('/');
    const std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
    if (name.empty())
        return false;

    std::error_code error;
    const fs::path whole(path);
    if (fs::exists(fs::symlink_status(whole, error))) {
        found = path; // found under its own name, which equals itself in any case
        return true;
    }

    // Look in the folder for a name that differs in letter case only.
    const fs::path folder = cut == std::string::npos ? fs::path(".") : fs::path(path.substr(0, cut + 1));
    fs::directory_iterator it(folder, error);
    if (error)
        return false;
    for (; it != fs::directory_iterator(); it.increment(error)) {
        if (error)
            return false;
        const std::string entry = it->path().filename().string();
        if (SameIgnoringCase(entry, name)) {
            found = path.substr(0, cut + 1) + entry;
            return true;
        }
    }
    return false;
}
