#pragma once

// The plug-in's own state chunk, "plugstate": every program with its name and parameter values,
// big-endian:
//
//   "oxev", current program, parameter count n, program count P (32-bit each),
//   then per program 64 name bytes and n floats.
//
// The chunk declares 64 bytes more than it fills; they are left as they are.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

class AudioPlugin;

inline constexpr std::size_t kStateProgramNameBytes = 64;

// The declared data size: (n + 16) × P × 4 + 80.
std::int32_t StateChunkDataSize(std::int32_t parameters, std::int32_t programs);

// Walks the programs with setProgram and writes them; `data` holds the declared size. Answers the
// program that was current, which the caller selects again.
std::int32_t WriteStateChunk(AudioPlugin& plugin, std::int32_t parameters, std::int32_t programs,
                             std::uint8_t* data);

// Walks the stored programs the plug-in has and applies their names and values, never reading past
// `data`: stored counts above the plug-in's are skipped over, below it leave the rest, negative
// ones read nothing, and a record cut short keeps what it applied. Answers the stored current
// program, none when the data holds no header.
std::optional<std::int32_t> ReadStateChunk(AudioPlugin& plugin, std::int32_t parameters, std::int32_t programs,
                                           std::span<const std::uint8_t> data);
