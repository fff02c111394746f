#pragma once
// A hand-over sheet as a one-page PDF file, painted as the printouts are.
#include "print/handover_sheet.h"

namespace zq {

class PdfSheetPrinter : public SheetPrinter {
 public:
  bool Print(const PrintDocument& sheet, const std::filesystem::path& file, int language) override;
};

}  // namespace zq
