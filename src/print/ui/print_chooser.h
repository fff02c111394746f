#pragma once
// The questions printing asks: what to print, and on which printer. They go
// through the current PrintChooser, so tests can answer them without a person
// at the screen (file names go through the Prompter like every other file dialog).
#include <QString>
#include <optional>

#include "config/radio_config.h"
#include "print/print_job.h"

class QPrinter;
class QWidget;

namespace zq {

class PrintChooser {
 public:
  virtual ~PrintChooser() = default;
  // What to print, the choices preset to `preset`; nothing when the user cancelled.
  virtual std::optional<PrintChoice> ChooseWhatToPrint(QWidget* parent, const QString& caption,
                                                       const PrintChoice& preset, const RadioConfig& cfg,
                                                       int language) = 0;
  // The user picks and sets up the printer; false when cancelled.
  virtual bool SetUpPrinter(QWidget* parent, QPrinter& printer) = 0;
};

// The print-choice window and the system's print dialog.
class DialogPrintChooser : public PrintChooser {
 public:
  std::optional<PrintChoice> ChooseWhatToPrint(QWidget* parent, const QString& caption, const PrintChoice& preset,
                                               const RadioConfig& cfg, int language) override;
  bool SetUpPrinter(QWidget* parent, QPrinter& printer) override;
};

PrintChooser& CurrentPrintChooser();
void SetPrintChooser(PrintChooser* chooser);

}  // namespace zq
