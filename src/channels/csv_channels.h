#pragma once
// Channel tables to and from CSV files in the column layout other radio
// programmers exchange, one group of one band at a time. Export writes every
// row of the group that holds a channel (CB memory rows included); import
// reads into an HF or HAM group, line by line, skipping the lines it cannot
// take and saying why. docs/csv-exchange.md describes the mapping.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "channels/csv_channel_fields.h"
#include "config/radio_config.h"

namespace zq {

// Largest file import reads: a group has at most 99 channels.
inline constexpr std::size_t kCsvMaxBytes = 1024 * 1024;
inline constexpr int kCsvMaxLines = 1000;

// The header line and one line per row in use, in row order, CRLF line ends.
std::string ExportChannelsCsv(const RadioConfig& cfg, BandGroup group);
// The same written to a file, replacing it whole; the failure otherwise.
std::optional<CsvMessage> ExportChannelsCsvFile(const RadioConfig& cfg, BandGroup group,
                                                const std::filesystem::path& path);

struct CsvImportResult {
  std::optional<CsvMessage> refusal;     // the whole file refused; nothing changed
  std::vector<CsvMessage> skippedLines;  // one message per line not taken
  int created = 0;                       // channels added at free rows
  int changed = 0;                       // channels whose values the file changed
  // Lines taken whose name, comment or per-channel offset the radio cannot hold (CsvDropped).
  int droppedNames = 0;
  int droppedComments = 0;
  int droppedOffsets = 0;
  int repeaterOffset = 0;  // the radio-wide offset they were compared with (MHz x 10000)
};

// Where the lines go. ByLocation: a line's Location is the grid row. InFileOrder:
// Location is not read; each line becomes a new channel in the lowest free row
// left, in file order, for files whose numbers do not fit the group (they
// start at 0 or run past its last row).
enum class CsvRows { ByLocation, InFileOrder };

// Reads channels into `group` of `band` (HF or HAM only). By Location, a
// channel in use at the row takes the line's values (columns the file lacks
// keep theirs) and a free row gets a new channel. Channels of rows the file
// does not name are kept. A line with any unusable value is skipped as a
// whole; the others are taken. A file refused as a whole (wrong band or group,
// too large, not text, no Location or Frequency column) changes nothing.
CsvImportResult ImportChannelsCsv(RadioConfig& cfg, BandGroup group, std::string_view text,
                                  CsvRows rows = CsvRows::ByLocation);
CsvImportResult ImportChannelsCsvFile(RadioConfig& cfg, BandGroup group, const std::filesystem::path& path,
                                      CsvRows rows = CsvRows::ByLocation);

// "Channels imported: 3 new, 1 changed, 2 lines skipped." in the language.
std::string ImportSummary(const CsvImportResult& result, int language);
// One line on the names, comments and offsets that were left out because the
// radio cannot hold them; nothing when there were none.
std::optional<std::string> DroppedSummary(const CsvImportResult& result, int language);

}  // namespace zq
