#include "core/mfunc.h"

bool IsNumeric(std::string_view text)
{
    if (text.empty())
        return false;
    for (char ch : text) {
        if (ch < '0' || ch > '9')
            return false;
    }
    return true;
}

std::int32_t HueToChannel(std::int32_t m1, std::int32_t m2, std::int32_t hue)
{
    if (hue >= 360)
        hue -= 360;
    else if (hue < 0)
        hue += 360;
    if (hue < 60)
        return m1 + ((m2 - m1) * hue) / 60;
    if (hue < 180)
        return m2;
    if (hue < 240)
        return m1 + ((m2 - m1) * (240 - hue)) / 60;
    return m1;
}

std::int32_t HlsToRgb(std::int32_t hue, std::int32_t lightness, std::int32_t saturation)
{
    if (saturation == 0)
        return (lightness & 255) * 0x010101;
    const std::int32_t m2 = lightness < 128 ? lightness * (255 + saturation) / 255
                                            : lightness + saturation - (lightness * saturation) / 255;
    const std::int32_t m1 = 2 * lightness - m2;
    const std::int32_t red = HueToChannel(m1, m2, hue + 120) & 255;
    const std::int32_t green = HueToChannel(m1, m2, hue) & 255;
    const std::int32_t blue = HueToChannel(m1, m2, hue - 120) & 255;
    return red * 65536 + green * 256 + blue;
}
