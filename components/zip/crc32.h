#pragma once
// CRC-32 as ZIP uses it (IEEE 802.3, reflected, initial and final inversion). Portable.
#include <cstdint>
#include <span>

uint32_t Crc32(std::span<const uint8_t> bytes, uint32_t crc = 0);
