#pragma once

// The host resource file (".rsr") as the stand-in toolbox stores it. All numbers are big-endian:
//
//   offset 0  "KRSR"                       magic
//          4  u16 version (1)
//          6  u16 resource count
//          8  resources, one after another:
//               4 bytes  type, a four-character code, first character first
//               i16      id
//               u8       name length, then that many name bytes
//               u32      data size, then that many data bytes
//
// Nothing may follow the last resource. resources/make_host_resources.py writes these files.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace hostext {

struct ContainerResource {
    std::uint32_t type;
    std::int16_t id;
    std::string name;
    std::vector<std::uint8_t> data;
};

inline constexpr std::uint16_t kContainerVersion = 1;

// The resources of a whole file's bytes; nothing when any part is malformed or runs past the end.
std::optional<std::vector<ContainerResource>> readResourceContainer(const std::vector<std::uint8_t>& bytes);

} // namespace hostext
