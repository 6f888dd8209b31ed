#pragma once

// A whole instance's state as kravo-host keeps it between runs, as a host's project would: every
// chunk the instance declares, each as the instance filled its record.
//
//   "KRAVO-STATE", version (1), chunk count, then per chunk: its four-character ID, its record's
//   length in bytes and the record (the 56-byte chunk header, then the data).
//
// The file's own numbers are big-endian; the records are the instance's, byte for byte.

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace host {

class StateFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct StateChunkRecord {
    std::uint32_t id;
    std::vector<std::uint8_t> record;
};

std::vector<std::uint8_t> encodeStateFile(const std::vector<StateChunkRecord>& chunks);
// The whole file is checked before anything is answered: a damaged one throws StateFileError
// naming what is wrong.
std::vector<StateChunkRecord> decodeStateFile(std::span<const std::uint8_t> bytes);

std::vector<StateChunkRecord> readStateFile(const std::string& path);

} // namespace host
