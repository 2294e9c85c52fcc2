// Builds the sample data set: every file the game reads, made from code.
#pragma once

#include <string>

// Lays out bin/, image/ and log/ under root and writes every sample file; false with a message on failure.
bool make_sample(const std::string& root, std::string& error);
