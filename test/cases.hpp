#pragma once

#include <string>

// Names each case of a test table after the case's own `name`.
inline constexpr auto by_name = [](const auto &info) { return std::string(info.param.name); };
