// The colour list reader and the file-exists check, free of the toolkit.
#pragma once

#include "core/colour.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// One named browser colour: the name as it stands in the file, and its colour value.
struct BrowserColor {
    std::string name;
    TColor color = 0;
};

constexpr int kBrowserColorCount = 141;
// Most characters of a colour list line that are read, its line break included.
constexpr std::size_t kBrowserColorLineLength = 254;
// Most bytes the colour list loader reads: 141 lines of the longest length.
constexpr std::size_t kBrowserColorFileLimit = kBrowserColorCount * kBrowserColorLineLength;

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
// A line is at most kBrowserColorLineLength characters, its line break
// included: a longer one is cut after that many characters, the piece is taken
// as a line without its break, and the rest is read as the next line.
// Reading stops after kBrowserColorCount lines, at the end of the bytes, or at
// the first line whose digits do not convert (or that is too short to hold a
// separator and six digits).
BrowserColorList ParseBrowserColors(std::string_view bytes);

// Reads from an open descriptor until the end of the file or most bytes,
// whichever comes first, into bytes (resized to what was read). False, with
// bytes empty, when a read fails.
bool ReadFromDescriptor(int fd, std::size_t most, std::string& bytes);

// Reads at most limit bytes from the start of a regular file into bytes.
// Anything else (a folder, a FIFO, a device, a socket, a dangling link or a
// link loop) and a file that cannot be opened give false at once: the kind is
// looked at before the file is opened, and the open never waits. truncated
// (when given) tells whether the file holds more than limit bytes.
bool ReadRegularFile(const std::string& path, std::size_t limit, std::string& bytes, bool* truncated = nullptr);

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
// The same search, giving the path of the entry found: the given path itself
// when it exists under that name, else the folder's entry whose name differs
// in letter case only.
bool FindFileIgnoringCase(const std::string& path, std::string& found);
