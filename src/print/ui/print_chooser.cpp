#include "print/ui/print_chooser.h"

#include <QPrintDialog>
#include <QPrinter>

#include "print/ui/print_choice_dialog.h"

namespace zq {
namespace {

PrintChooser* g_chooser = nullptr;

}  // namespace

std::optional<PrintChoice> DialogPrintChooser::ChooseWhatToPrint(QWidget* parent, const QString& caption,
                                                                 const PrintChoice& preset, const RadioConfig& cfg,
                                                                 int language) {
  PrintChoiceDialog dialog(caption, preset, cfg, language, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.choice();
}

bool DialogPrintChooser::SetUpPrinter(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

PrintChooser& CurrentPrintChooser() {
  static DialogPrintChooser fallback;
  return g_chooser ? *g_chooser : fallback;
}

void SetPrintChooser(PrintChooser* chooser) { g_chooser = chooser; }

}  // namespace zq
