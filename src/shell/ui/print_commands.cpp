#include "shell/ui/print_commands.h"

#include <QPrinter>
#include <QRegularExpression>

#include "channels/group_entries.h"
#include "platform/local_date.h"
#include "print/ui/pdf_file.h"
#include "print/ui/print_chooser.h"
#include "print/ui/print_page_setup.h"
#include "print/ui/print_painter.h"
#include "shell/ui/frm_main.h"
#include "widgets/prompter.h"
#include "widgets/qt_paths.h"
#include "widgets/ui_text.h"

namespace zq {
namespace {

// The command's caption without its access key: "Print to PDF".
QString CaptionOf(Command command, int language) {
  static const QRegularExpression accessKey(QStringLiteral("\\(&.\\)|&"));
  return QText(CommandOf(command).caption, language).remove(accessKey);
}

}  // namespace

std::optional<PrintDocument> PrintCommands::AskForDocument(Command command) {
  AppState& state = main_.state();
  main_.CommitEditors();
  PrintChoice preset = last_.value_or(PrintChoice{PrintKind::ChannelTable, kCB, InitialGroup(state.config, kCB)});
  auto choice = CurrentPrintChooser().ChooseWhatToPrint(&main_, CaptionOf(command, state.language()), preset,
                                                        state.config, state.language());
  if (!choice) return std::nullopt;
  last_ = choice;
  return BuildPrintDocument(state.config, state.document, *choice, {state.language(), LocalToday()});
}

void PrintCommands::Fail(const QString& what, QWidget* parent) {
  Tell(parent, QUtf8(FillIn(Text(Txt::PrintFailed, main_.state().language()), {what.toStdString()})), Icon::Error);
}

void PrintCommands::Print() {
  if (auto doc = AskForDocument(Command::Print)) PrintOnPaper(*doc, &main_);
}

void PrintCommands::PrintToPdf() {
  if (auto doc = AskForDocument(Command::PrintToPdf)) PrintAsPdf(*doc, &main_);
}

void PrintCommands::PrintOnPaper(const PrintDocument& doc, QWidget* parent) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(PrintOrientation(doc));
  printer.setPageMargins(kPrintMarginsMm, QPageLayout::Millimeter);
  printer.setDocName(QUtf8(doc.title));
  if (!CurrentPrintChooser().SetUpPrinter(parent, printer)) return;
  if (!PaintDocument(doc, printer, main_.state().language()).ok)
    Fail(printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName(), parent);
}

void PrintCommands::PrintAsPdf(const PrintDocument& doc, QWidget* parent, const QString& preset) {
  QString filter = QText(Txt::PrintPdfFilter, main_.state().language()) + QStringLiteral(" (*.pdf)");
  QString offered = preset.isEmpty() ? QStringOfPath(SuggestedPdfFile(main_.state().document)) : preset;
  QString file = CurrentPrompter().ChooseFileToSave(parent, offered, filter);
  if (file.isEmpty()) return;
  if (!WritePdfFile(doc, file, main_.state().language()).ok) Fail(file, parent);
}

}  // namespace zq
