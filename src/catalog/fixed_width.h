#pragma once
// Fixed-width text fields: a longer value is cut to the width, a shorter one padded with blanks.
// The width counts characters, so a Korean value is never cut inside a character. Portable.
#include <string>
#include <string_view>

std::string FixedWidth(std::string_view utf8, size_t width);
