#include "print/ui/pdf_sheet_printer.h"

#include <system_error>

#include "platform/utf8_path.h"
#include "print/ui/pdf_file.h"
#include "widgets/ui_text.h"

namespace zq {

bool PdfSheetPrinter::Print(const PrintDocument& sheet, const std::filesystem::path& file, int language) {
  std::error_code ec;
  std::filesystem::create_directories(file.parent_path(), ec);  // a folder named for the day may be new
  return WritePdfFile(sheet, QUtf8(Utf8OfPath(file)), language).ok;
}

}  // namespace zq
