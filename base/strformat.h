// printf-style formatting into a std::string of whatever length the result needs.
#pragma once

#include <string>

[[gnu::format(printf, 1, 2)]] std::string strformat(const char* format, ...);
