#pragma once
// The File menu's Print and Print to PDF: ask what to print, build the document
// in the current language, then paint it on the printer the user sets up or
// into the PDF file the user names. The last choice is offered again.
#include <QString>
#include <optional>

#include "print/print_document.h"
#include "print/print_job.h"
#include "shell/commands.h"

class QWidget;

namespace zq {

class frmMain;

class PrintCommands {
 public:
  explicit PrintCommands(frmMain& main) : main_(main) {}

  void Print();
  void PrintToPdf();
  // A document made elsewhere (a comparison) on the printer the user sets up,
  // or into the PDF file the user names.
  void PrintOnPaper(const PrintDocument& doc, QWidget* parent);
  // Writes the printout as a PDF; the file dialog offers `preset`, or the data file's name.
  void PrintAsPdf(const PrintDocument& doc, QWidget* parent, const QString& preset = QString());

 private:
  std::optional<PrintDocument> AskForDocument(Command command);
  void Fail(const QString& what, QWidget* parent);

  frmMain& main_;
  std::optional<PrintChoice> last_;
};

}  // namespace zq
