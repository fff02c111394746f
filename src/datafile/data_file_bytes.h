#pragma once
// The data file pair as bytes in memory: what the two files hold, read and made
// without touching a disk. data_file.cpp reads and writes the files around these.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "datafile/data_file.h"

namespace zq {

struct StoredPair {
  std::vector<uint8_t> settings;  // the data file: one settings record
  std::vector<uint8_t> channels;  // the channel file: the records the counts call for, then the special slots
};

// Most bytes a channel file can need: every group full, and the special slots.
std::size_t MaxChannelFileSize();

// The pair as a save writes it; nothing when a channel count lies outside its group.
std::optional<StoredPair> StoredPairBytes(const WorkingCopy& working);

// Reads a pair as stored, without looking at its version: the data file must be
// exactly one record long, its counts valid, and the channel file must hold at
// least the records they call for (later ones are ignored). `out` changes only
// on success; a channel file too short fails with inChannelFile set.
FileResult ParseStoredPair(std::span<const uint8_t> settings, std::span<const uint8_t> channels, WorkingCopy& out);

// What opening a data file reads: the version form and compatibility of the
// first four bytes, then the pair as stored.
FileResult ParseDataFiles(std::span<const uint8_t> settings, std::span<const uint8_t> channels,
                          const VersionList& versions, WorkingCopy& out);

// Opens a pair held in memory: on success the configuration, the range text and
// the working copy become the pair's; on failure nothing changes.
FileResult OpenDataFileBytes(std::span<const uint8_t> settings, std::span<const uint8_t> channels,
                             const VersionList& versions, EditedDocument& edited);

}  // namespace zq
