#include "core/inifunc.h"

bool ReadIniString(std::string&, const std::string&, const std::string&, const std::string&) { return false; }
