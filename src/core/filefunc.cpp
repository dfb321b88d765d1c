#include "core/filefunc.h"

BrowserColorList ParseBrowserColors(std::string_view) { return {}; }

bool CheckFileExists(const std::string&) { return false; }
