// Colour values and their text forms.
//
// A colour value is 0x00BBGGRR: red in bits 0-7, green in bits 8-15, blue in
// bits 16-23. Every readout of the main window is one of the text forms below.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

using TColor = std::uint32_t;

constexpr TColor kWhite = 0xFFFFFF;

constexpr int RedOf(TColor c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(TColor c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(TColor c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr TColor MakeColor(int r, int g, int b)
{
    return static_cast<TColor>(r & 0xFF) | static_cast<TColor>(g & 0xFF) << 8 | static_cast<TColor>(b & 0xFF) << 16;
}

// "16777215": the whole 32-bit value, unsigned.
std::string DecimalForm(TColor c);
// "0xrrggbb", lower case, red first.
std::string HexForm(TColor c);
// "#RRGGBB", upper case, red first.
std::string HtmlForm(TColor c);
// Two lower-case hexadecimal digits of one channel: 10 -> "0a".
std::string ChannelHexForm(int channel);

// The error every failed text-to-number conversion raises. Escaping a handler,
// it reaches the general error report, which shows message().
class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const std::string& message) : std::runtime_error(message), message_(message) {}
    // The whole message: what() ends at the first zero byte, which text from a
    // file may hold.
    const std::string& message() const { return message_; }

private:
    std::string message_;
};

// Converts text to a 32-bit integer: leading blanks, an optional sign, then
// decimal digits, or hexadecimal digits of either case after "0x"/"0X".
// Anything else throws EConvertError "'<text>' は整数ではありません".
std::int32_t StrToInt(std::string_view text);
// The same conversion reporting failure by result instead of an exception.
bool TryStrToInt(std::string_view text, std::int32_t& value);
