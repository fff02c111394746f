#pragma once
// A PrintChooser for window tests: answers "what to print" from a script and
// "prints" to a PDF file instead of a printer.
#include <QPrinter>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

#include "print/ui/print_chooser.h"

namespace zq::testing {

class ScriptedPrintChooser : public PrintChooser {
 public:
  ScriptedPrintChooser() { SetPrintChooser(this); }
  ~ScriptedPrintChooser() override { SetPrintChooser(nullptr); }

  // Answers given in order; once they run out the user cancels.
  void Choose(PrintChoice choice) { choices_.push_back(choice); }
  // The printer the user sets up prints into this PDF file; empty: the user cancels.
  QString printerFile;

  std::optional<PrintChoice> ChooseWhatToPrint(QWidget*, const QString& caption, const PrintChoice& preset,
                                               const RadioConfig&, int) override {
    captions.push_back(caption);
    presets.push_back(preset);
    if (choices_.empty()) return std::nullopt;
    PrintChoice choice = choices_.front();
    choices_.pop_front();
    return choice;
  }
  bool SetUpPrinter(QWidget*, QPrinter& printer) override {
    printersSetUp++;
    if (printerFile.isEmpty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printerFile);
    return true;
  }

  QStringList captions;
  std::vector<PrintChoice> presets;
  int printersSetUp = 0;

 private:
  std::deque<PrintChoice> choices_;
};

}  // namespace zq::testing
