// Small free functions shared by the windows: digit test, HLS conversion and
// the keep-above-others layer.
#pragma once

#include <cstdint>
#include <string_view>

class QWidget;

// True when the text is not empty and holds only the digits 0 to 9.
bool IsNumeric(std::string_view text);

// Integer HLS to an RGB-ordered value (red in bits 16-23, blue in bits 0-7).
std::int32_t HlsToRgb(std::int32_t hue, std::int32_t lightness, std::int32_t saturation);
std::int32_t HueToChannel(std::int32_t m1, std::int32_t m2, std::int32_t hue);

// Put a window into, or take it out of, the layer above ordinary windows,
// without moving or resizing it. Defined with the windows (needs the toolkit).
bool SetTopmost(QWidget* window);
bool ClearTopmost(QWidget* window);
