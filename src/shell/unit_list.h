#pragma once
// Per-unit values for a series of radios: a CSV list whose header line names
// members of the data file as dump names them ("/Options/BtDeviceName",
// "/Options/DtmfCodes/0"), then a row for each radio. Only members that a
// write carries into the radio may be named. The whole list is checked before
// the first write, each row applied as load-json would take the document; a
// radio gets the next unused row, and one that fails gives its row back.
#include <nlohmann/json.hpp>

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "config/radio_config.h"
#include "image/image_codec.h"
#include "image/memory_image.h"

namespace zq {

// Longest units list read: far more rows than a day of radios.
inline constexpr std::uintmax_t kMaxUnitListBytes = 4u << 20;

class UnitList {
 public:
  // The list read over `cfg`; nothing when it is refused, with `problem` naming
  // the line and column at fault in the given language.
  static std::optional<UnitList> Read(std::string_view csv, const RadioConfig& cfg, const DocumentState& doc,
                                      const ImageOptions& options, int language, std::string& problem);

  // The next unused row (the lowest), or nothing when every row is taken.
  std::optional<int> Take();
  // The row's radio failed: the row is the next to be taken again.
  void GiveBack(int row);
  // The row's radio was written; the row is used.
  void Used(int row);
  // No row is left and none is being written.
  bool UsedUp() const { return free_.empty() && taken_.empty(); }

  // Rows not written yet, those being written included.
  int RowsLeft() const { return static_cast<int>(free_.size() + taken_.size()); }
  int RowCount() const { return static_cast<int>(rows_.size()); }

  int LineOf(int row) const { return rows_.at(row).line; }
  const std::vector<std::string>& members() const { return members_; }
  const std::vector<std::string>& ValuesOf(int row) const { return rows_.at(row).values; }
  // The image a write of the row sends: the configuration with the row's values.
  MemoryImage ImageOf(int row) const;
  // That configuration itself, as the radio's hand-over sheet summarises it.
  RadioConfig ConfigOf(int row) const;

 private:
  struct Row {
    int line = 0;
    std::vector<std::string> values;
  };

  nlohmann::ordered_json base_;  // the configuration as dump shows it
  DocumentState doc_;
  ImageOptions options_;
  std::vector<std::string> members_;
  std::vector<Row> rows_;
  std::set<int> free_, taken_;
};

}  // namespace zq
