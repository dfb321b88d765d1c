// The settings reader for tesmar.ini.
#pragma once

#include <cstddef>
#include <string>

// Most bytes of tesmar.ini that are read; the rest of a larger file is ignored.
constexpr std::size_t kIniFileLimit = 64 * 1024;

// Reads one value: true when section and key exist (names compared without
// regard to letter case) and the value was copied into result; false, with
// result untouched, otherwise. Empty path, section or key names are refused
// before any file is opened. At most 2047 characters of value arrive. Only a
// regular file is read, and only its first kIniFileLimit bytes.
bool ReadIniString(std::string& result, const std::string& path, const std::string& section, const std::string& key);
