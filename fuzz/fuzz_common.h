// Shared by the fuzz targets: turning a short input into a file that may be
// far larger than the input, and a private scratch file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <unistd.h>

// The input, with runs expanded: the byte 0xFF followed by a count n and a
// byte b stands for (n + 1) * 512 copies of b. Lines far longer than the
// input's own length limit are then a few bytes of input. The whole is kept
// under 80 KiB, just beyond every limit of the readers, so that runs stay quick.
inline std::string ExpandRuns(std::string_view input)
{
    constexpr std::size_t kMost = 80 * 1024;
    std::string out;
    for (std::size_t i = 0; i < input.size() && out.size() < kMost; ++i) {
        if (static_cast<unsigned char>(input[i]) == 0xFF && i + 2 < input.size()) {
            const std::size_t count = (static_cast<unsigned char>(input[i + 1]) + 1u) * 512u;
            out.append(count, input[i + 2]);
            i += 2;
        } else {
            out += input[i];
        }
    }
    return out;
}

// In memory (/dev/shm) when there is such a folder: a file written for every
// input must not wait for a disk. One such file per fuzzer, removed when it ends.
inline std::string ScratchFile(const char* name)
{
    struct Remover {
        std::string path;
        ~Remover() { std::remove(path.c_str()); }
    };
    const char* folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    static const Remover remover{std::string(folder) + "/tesmar-fuzz-" + std::to_string(getpid()) + "-" + name};
    return remover.path;
}

inline bool WriteFile(const std::string& path, std::string_view bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}
