#pragma once
// write --repeat: the same image into one radio after another until Ctrl+C,
// each radio on the terminal and, when asked, as a line of a CSV log.
#include <string>

#include "image/memory_image.h"
#include "radio_transfer.h"

namespace zq::cli {

// 0 when every radio was written; otherwise the exit code of the first radio
// that failed. The backup keeps the image the first radio was sent.
int RunRadioSeries(const RadioOptions& options, const MemoryImage& image, const std::filesystem::path& logFile,
                   const RadioConfig& cfg, const DocumentState& doc);

}  // namespace zq::cli
