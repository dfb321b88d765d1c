#include "core/freshfile.h"

#include "core/filefunc.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool Acceptable(const struct stat& info, std::time_t since)
{
    return S_ISREG(info.st_mode) && info.st_uid == ::geteuid() && info.st_mtim.tv_sec >= since;
}

} // namespace

bool ReadFreshFile(const std::string& path, std::time_t since, std::size_t limit, std::string& bytes, FreshFile& file)
{
    bytes.clear();
    struct stat named {};
    if (path.empty() || path.front() != '/' || ::lstat(path.c_str(), &named) != 0 || !Acceptable(named, since) ||
        static_cast<unsigned long long>(named.st_size) > limit)
        return false;
    // Non-blocking and not through a link: should the entry have been swapped
    // for a FIFO or a link since it was looked at, the open returns at once,
    // and the second look refuses what it opened.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !Acceptable(opened, since) || opened.st_dev != named.st_dev ||
        opened.st_ino != named.st_ino) {
        ::close(fd);
        return false;
    }
    // Room for the size the file has now and one byte more, which tells a
    // file still growing: that one is not finished.
    const std::size_t size = static_cast<std::size_t>(opened.st_size);
    if (size > limit) {
        ::close(fd);
        return false;
    }
    const bool ok = ReadFromDescriptor(fd, size + 1, bytes);
    ::close(fd);
    if (!ok || bytes.size() > size) {
        bytes.clear();
        return false;
    }
    file.device = opened.st_dev;
    file.inode = opened.st_ino;
    return true;
}

bool RemoveFreshFile(const std::string& path, const FreshFile& file)
{
    struct stat named {};
    if (path.empty() || ::lstat(path.c_str(), &named) != 0 || !S_ISREG(named.st_mode) || named.st_dev != file.device ||
        named.st_ino != file.inode)
        return false;
    return ::unlink(path.c_str()) == 0;
}
