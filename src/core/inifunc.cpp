// A small reader for tesmar.ini. Section headers are "[name]" lines, keys are
// "key=value" lines; blanks around names and values are dropped, and one pair
// of matching quotes around a value is taken off. The first matching section
// and, within it, the first matching key win. Lines starting with ';' are
// comments. Names are compared without regard to ASCII letter case; other
// bytes must match exactly, so names in any 8-bit encoding work.
//
// Only a regular file is read, and only its first kIniFileLimit bytes: a FIFO,
// a device or a huge file gives no value, or the value found in that part,
// at once.
#include "core/inifunc.h"

#include "core/filefunc.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace {

constexpr std::size_t kMaxValueLength = 2047;

std::string_view Trim(std::string_view text)
{
    constexpr std::string_view blanks = " \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}

// The section name of a header line, or false when the line is no header.
bool SectionHeader(std::string_view line, std::string_view& name)
{
    if (line.empty() || line.front() != '[')
        return false;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos)
        return false;
    name = Trim(line.substr(1, close - 1));
    return true;
}

std::string_view Unquote(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

} // namespace

bool ReadIniString(std::string& result, const std::string& path, const std::string& section, const std::string& key)
{
    if (path.empty())
        return false;
    if (section.empty())
        return false;
    if (key.empty())
        return false;

    std::string bytes;
    bool truncated = false;
    if (!ReadRegularFile(path, kIniFileLimit, bytes, &truncated))
        return false;
    std::string_view rest(bytes);

    const std::string_view wantedSection = Trim(section);
    const std::string_view wantedKey = Trim(key);
    bool inSection = false;
    bool sectionSeen = false;
    bool firstLine = true;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        // The line the size limit cuts may be a key cut short ("HP" of "HPX=")
        // or a value cut short: it gives a value only when that value is long
        // enough to be cut at 2047 characters anyway.
        const bool cutShort = truncated && end == std::string_view::npos;
        if (firstLine) {
            // A settings file saved with a UTF-8 byte order mark still starts with its first header.
            if (line.substr(0, 3) == "\xEF\xBB\xBF")
                line.remove_prefix(3);
            firstLine = false;
        }
        line = Trim(line);
        if (line.empty() || line.front() == ';')
            continue;

        std::string_view name;
        if (SectionHeader(line, name)) {
            if (inSection)
                break; // only the first section of that name is read
            inSection = !sectionSeen && SameName(name, wantedSection);
            sectionSeen = sectionSeen || inSection;
            continue;
        }
        if (!inSection)
            continue;

        const std::size_t equals = line.find('=');
        const std::string_view lineKey = Trim(line.substr(0, equals));
        if (!SameName(lineKey, wantedKey))
            continue;
        std::string_view value;
        if (cutShort) {
            if (equals == std::string_view::npos)
                return false;
            value = line.substr(equals + 1);
            value.remove_prefix(std::min(value.find_first_not_of(" \t"), value.size()));
            if (value.substr(0, value.find('\0')).size() < kMaxValueLength)
                return false;
        } else if (equals != std::string_view::npos) {
            value = Unquote(Trim(line.substr(equals + 1)));
        }
        // The value ends at a zero byte, as any C-string value would.
        value = value.substr(0, value.find('\0'));
        result.assign(value.substr(0, kMaxValueLength));
        return true;
    }
    return false;
}
