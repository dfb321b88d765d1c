// The colour list reader and the file-exists check, free of the toolkit.
#pragma once

#include "core/colour.h"

#include <string>
#include <string_view>
#include <vector>

// One named browser colour: the name as it stands in the file, and its colour value.
struct BrowserColor {
    std::string name;
    TColor color = 0;
};

constexpr int kBrowserColorCount = 141;

// What reading colorcode.dat's bytes gives: the entries read, in file order,
// and, when a line's digits did not convert, that failure.
struct BrowserColorList {
    std::vector<BrowserColor> entries; // at most kBrowserColorCount
    bool failed = false;               // true: the last entry's digits did not convert
    std::string error;                 // the conversion's message when failed
};

BrowserColorList ParseBrowserColors(std::string_view bytes);

// True when the path names an existing entry whose name equals the path's last
// component, compared without regard to letter case.
bool CheckFileExists(const std::string& path);
