// The X server Tesmar's windows live on, when they live on one.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

struct xcb_connection_t;

namespace x11 {

// Qt's own connection to the X server; null on any other window system.
xcb_connection_t* Connection();
// The root window of the screen Qt draws on.
std::uint32_t Root();
std::uint32_t Atom(const char* name);

std::optional<std::vector<std::uint32_t>> Property32(std::uint32_t window, std::uint32_t property);
void SetProperty32(std::uint32_t window, std::uint32_t property, std::uint32_t type,
                   const std::vector<std::uint32_t>& values);

} // namespace x11
