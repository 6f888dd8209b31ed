#pragma once

#include <cstdint>
#include <string>

namespace host {

// What a code the plug-in's chunk routines answered means, for a person: "chunk 'midi': <meaning> (-7082)".
std::string chunkErrorText(std::uint32_t chunkID, std::int32_t code);

} // namespace host
