// A build without the windows has no painter for the sheets: --sheets is refused.
#include "sheet_printer.h"

namespace zq::cli {

std::unique_ptr<SheetPrinter> MakeSheetPrinter() { return nullptr; }

}  // namespace zq::cli
