#pragma once
// write --repeat: the same image into one radio after another until Ctrl+C,
// on one port or on several side by side, each radio on the terminal and, when
// asked, as a line of one CSV log; optionally with per-unit values.
#include <filesystem>
#include <string>
#include <vector>

#include "image/memory_image.h"
#include "radio_transfer.h"

namespace zq::cli {

struct StationOptions {
  std::filesystem::path logFile;    // empty: no log
  std::filesystem::path unitsFile;  // empty: every radio gets the same image
  std::string operatorName;
  std::filesystem::path sheetFolder;  // empty: no hand-over sheets
};

// 0 when every radio was written; otherwise the exit code of the first radio
// (or port) that failed. The backup keeps the image the first radio was sent.
int RunRadioSeries(const RadioOptions& options, const StationOptions& station, const MemoryImage& image,
                   const RadioConfig& cfg, const DocumentState& doc);

}  // namespace zq::cli
