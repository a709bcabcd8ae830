// FNV-1a, the 32-bit checksum of the resource file's check and the mix of the block supply's
// further laps. Each step multiplies by an odd number, which loses nothing, so a difference
// once mixed in is never cancelled.
#pragma once

#include <cstdint>

constexpr std::uint32_t FNV_OFFSET_BASIS = 2166136261u;
constexpr std::uint32_t FNV_PRIME = 16777619u;

// Mixes one byte into a running checksum that started at FNV_OFFSET_BASIS.
constexpr std::uint32_t fnv1a_step(std::uint32_t checksum, unsigned char byte)
{
  return (checksum ^ byte) * FNV_PRIME;
}
