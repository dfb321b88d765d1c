#include "core/colour.h"

#include <cstdio>

namespace {

// A prefix and the red, green and blue bytes in two digits each, formatted in
// one go (building it as prefix + digits trips a false alarm of GCC 12 at -O3).
std::string PrefixedDigits(TColor c, const char* format)
{
    char buf[12];
    std::snprintf(buf, sizeof buf, format, RedOf(c), GreenOf(c), BlueOf(c));
    return buf;
}

int DigitValue(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return -1;
}

} // namespace

std::string DecimalForm(TColor c) { return std::to_string(c); }

std::string HexForm(TColor c) { return PrefixedDigits(c, "0x%02x%02x%02x"); }

std::string HtmlForm(TColor c) { return PrefixedDigits(c, "#%02X%02X%02X"); }

std::string ChannelHexForm(int channel)
{
    char buf[4];
    std::snprintf(buf, sizeof buf, "%02x", channel & 0xFF);
    return buf;
}

bool TryStrToInt(std::string_view text, std::int32_t& value)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i == text.size())
        return false;
    const int base = hex ? 16 : 10;
    // Hexadecimal text may spell any 32-bit pattern; decimal text must fit the signed range.
    const std::uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    std::uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int d = DigitValue(text[i]);
        if (d < 0 || d >= base)
            return false;
        magnitude = magnitude * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(d);
        if (magnitude > limit)
            return false;
    }
    auto bits = static_cast<std::uint32_t>(magnitude);
    if (negative)
        bits = 0u - bits;
    value = static_cast<std::int32_t>(bits);
    return true;
}

std::int32_t StrToInt(std::string_view text)
{
    std::int32_t value = 0;
    if (!TryStrToInt(text, value))
        throw EConvertError("'" + std::string(text) + "' は整数ではありません");
    return value;
}
