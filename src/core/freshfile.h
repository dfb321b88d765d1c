// A file another program just wrote for us and hands over by its path, such
// as the desktop's screenshot: read without ever waiting, and removed only
// when it is certainly that file.
#pragma once

#include <cstddef>
#include <ctime>
#include <string>

// Which file was read, so that the removal can tell it is still the same one.
struct FreshFile {
    unsigned long long device = 0;
    unsigned long long inode = 0;
};

// Reads the whole of a file that was made for us a moment ago: an absolute
// path naming a regular file (not a link, FIFO, device or folder), owned by
// this user, last written at or after `since` (in whole seconds, for file
// systems that keep no finer times), of at most `limit` bytes. The kind is
// looked at before the open, the open never waits, and the open file is
// looked at again. Anything else gives false and leaves `bytes` empty.
bool ReadFreshFile(const std::string& path, std::time_t since, std::size_t limit, std::string& bytes, FreshFile& file);

// Removes the entry at `path` when it is still the file that was read.
bool RemoveFreshFile(const std::string& path, const FreshFile& file);
