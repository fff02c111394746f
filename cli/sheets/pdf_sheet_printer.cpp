// The command line has no window: the sheets are painted by the same code as
// the program's PDF printouts, on Qt's offscreen platform, which needs no
// display. The application object is made on the first sheet only, so every
// other command runs without Qt.
#include <QGuiApplication>

#include <memory>

#include "print/ui/pdf_sheet_printer.h"
#include "sheet_printer.h"

namespace zq::cli {
namespace {

class OffscreenSheetPrinter : public SheetPrinter {
 public:
  OffscreenSheetPrinter() {
    if (!QGuiApplication::instance()) app_ = std::make_unique<QGuiApplication>(argc_, argv_);
  }
  bool Print(const PrintDocument& sheet, const std::filesystem::path& file, int language) override {
    return pdf_.Print(sheet, file, language);
  }

 private:
  int argc_ = 3;
  char name_[11] = "zq4071-cli", option_[10] = "-platform", platform_[10] = "offscreen";
  char* argv_[4] = {name_, option_, platform_, nullptr};
  std::unique_ptr<QGuiApplication> app_;
  PdfSheetPrinter pdf_;
};

}  // namespace

std::unique_ptr<SheetPrinter> MakeSheetPrinter() { return std::make_unique<OffscreenSheetPrinter>(); }

}  // namespace zq::cli
