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
// and, when a line did not yield a colour, that failure.
struct BrowserColorList {
    // At most kBrowserColorCount. When failed, the last entry is the failing
    // line's: it has its name but colour 0, and it gets no list item.
    std::vector<BrowserColor> entries;
    bool failed = false;
    std::string error; // the conversion's message when failed
};

// Reads the colour list from the file's bytes. Each line is a name, one
// separator character of any kind and six hexadecimal digits RRGGBB; lines end
// in LF or CR LF, and a last line without its line break counts as complete.
// Reading stops after kBrowserColorCount lines, at the end of the bytes, or at
// the first line whose digits do not convert (or that is too short to hold a
// separator and six digits).
BrowserColorList ParseBrowserColors(std::string_view bytes);

// True when the path names an existing entry whose name equals the path's last
// component, compared without regard to letter case.
//
// On a case-sensitive file system an entry is also found when its name
// differs from the last component in letter case only: the folder named by
// the rest of the path is searched for such a name. Letter case is folded for
// the ASCII letters A-Z only; other bytes must match exactly. No wildcards are
// expanded. A path that ends in a separator has no last component and is never
// found.
bool CheckFileExists(const std::string& path);
