// The product's name and version, as the title bar and the boot log show them.
#pragma once

#include <string>

constexpr const char* product_name = "MELVORIN";
constexpr int version_major = 1;
constexpr int version_minor = 85;

// "MELVORIN ver1.85"
std::string title_text();
// Caption of the start-up error boxes: "MELVORIN - Error".
std::string error_caption();
