#pragma once
// The backup a finished transfer calls for, shared by the window and the
// command line: after a completed read the image and the data file pair of
// the configuration it gave; after a write that sent blocks the image sent.
#include <filesystem>
#include <optional>
#include <string>

#include "datafile/backups.h"
#include "link/transfer_host.h"

namespace zq {

// Empty when the outcome calls for no backup (a failed read, a write that
// never reached the blocks).
std::optional<BackupResult> BackUpTransfer(const TransferOutcome& outcome, const std::filesystem::path& folder,
                                           const LocalTime& when, const MemoryImage& image, const RadioConfig& cfg,
                                           const DocumentState& doc);

// The warning shown when a backup could not be written; the transfer itself stands.
std::string BackupFailedText(const std::filesystem::path& folder, int language);

}  // namespace zq
