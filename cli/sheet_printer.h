#pragma once
// The hand-over sheets of write --repeat --sheets, as PDF files. Qt paints
// them, as it paints the program's printouts; a build without the windows has
// no painter and gives nothing.
#include <memory>

#include "print/handover_sheet.h"

namespace zq::cli {

std::unique_ptr<SheetPrinter> MakeSheetPrinter();

}  // namespace zq::cli
