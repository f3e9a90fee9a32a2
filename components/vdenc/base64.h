#pragma once
// Base64 (RFC 4648, standard alphabet, padded): cipher texts as printable ASCII for INI values.
// Portable: no windows.h.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

std::string EncodeBase64(std::span<const uint8_t> bytes);

// Only the canonical form decodes: no blanks, no line breaks, correct padding, zero spare bits.
std::optional<std::vector<uint8_t>> DecodeBase64(std::string_view text);

// Characters EncodeBase64 makes of n bytes.
constexpr size_t Base64Length(size_t n) { return (n + 2) / 3 * 4; }
