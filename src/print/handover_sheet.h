#pragma once
// The hand-over sheet of a radio written at a programming station: one page
// that goes into the box with the radio, saying which radio it is (number,
// identity, firmware, the port it was written on), when and by whom it was written, from which data file,
// the hash of the image it got, its per-unit values, whether it was verified,
// and then the summary of its configuration that File > Print makes.
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "config/radio_config.h"
#include "print/print_document.h"

namespace zq {

struct HandOverFacts {
  int radio = 0;  // as the series log counts it
  std::string identity, firmware, port, when, operatorName, dataFile, imageHash, result, verification;
  std::vector<std::pair<std::string, std::string>> unitValues;  // member as dump names it, value
};

// `cfg` is the configuration the radio got, its per-unit values applied.
PrintDocument HandOverSheet(const HandOverFacts& facts, const RadioConfig& cfg, int language);

// "radio-0007.pdf" in `folder`, or when a sheet of that name exists already
// (an earlier series counted the same numbers), "radio-0007-2.pdf" and on:
// a sheet is never written over.
std::filesystem::path FreeSheetFile(const std::filesystem::path& folder, int radio);

// Makes the file of a sheet; the window and the command line each bring one.
class SheetPrinter {
 public:
  virtual ~SheetPrinter() = default;
  virtual bool Print(const PrintDocument& sheet, const std::filesystem::path& file, int language) = 0;
};

}  // namespace zq
