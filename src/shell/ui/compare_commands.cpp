#include "shell/ui/compare_commands.h"

#include <filesystem>

#include "datafile/data_file.h"
#include "image/image_file.h"
#include "shell/ui/frm_compare.h"
#include "shell/ui/frm_main.h"
#include "shell/ui/transfer_controller.h"
#include "widgets/prompter.h"
#include "widgets/ui_text.h"

namespace zq {

CompareSide CompareCommands::CurrentSide() const {
  const AppState& s = main_.state();
  RadioConfig cfg = s.config;  // a save normalises the identity; the document keeps its own
  CompareSide side;
  PackForFile(cfg, s.document, side.stored);
  return side;
}

void CompareCommands::Show(const CompareSide& other, const std::string& otherName) {
  const AppState& s = main_.state();
  const std::string current = FillIn(Text(Txt::CompareThisConfiguration, s.language()),
                                     {std::filesystem::path(s.document.fileName).filename().string()});
  auto* window = new FrmCompare(CompareSides(other, CurrentSide(), ImageOptions{s.systemLocaleId}), otherName, current,
                                main_);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->open();
}

void CompareCommands::CompareWithFile() {
  main_.CommitEditors();
  const AppState& s = main_.state();
  QString filter = QText(Txt::CompareFileFilter, s.language()) + QStringLiteral(" (*.dat *.bin)");
  QString chosen = CurrentPrompter().ChooseFileInFolder(&main_, main_.DocumentFolder(), filter);
  if (chosen.isEmpty()) return;
  const std::filesystem::path file = chosen.toStdString();
  CompareSide other;
  std::error_code ec;
  // A file of exactly the radio's size is a memory image; anything else is read as a
  // data file, unless its name says it is an image (read --image names them .bin).
  const auto size = std::filesystem::is_regular_file(file, ec) ? std::filesystem::file_size(file, ec) : 0;
  if (size != kImageSize && chosen.endsWith(QStringLiteral(".bin"), Qt::CaseInsensitive)) {
    Tell(&main_,
         QUtf8(FillIn(Text(Txt::ImageWrongSize, s.language()), {GroupedDigits(size), GroupedDigits(kImageSize)})),
         Icon::Error);
    return;
  }
  if (size == kImageSize) {
    other.memory = LoadImageFile(file);
    if (!other.memory) {
      Tell(&main_, QText(Txt::FileError, s.language()), Icon::Error);
      return;
    }
  } else if (FileResult read = ReadDataFiles(file, s.versions, other.stored); !read.ok()) {
    Tell(&main_, QUtf8(FileResultText(read, s.language())), Icon::Error);
    return;
  }
  Show(other, file.filename().string());
}

void CompareCommands::CompareWithRadio() {
  main_.CommitEditors();
  main_.transfers().StartReadForComparison([this](const MemoryImage& read) {
    CompareSide radio;
    radio.memory = read;
    const RadioIdentity& identity = main_.state().identity;  // as the read just found it
    Show(radio,
         FillIn(Text(Txt::CompareTheRadioNamed, main_.state().language()), {identity.model, identity.firmwareVersion}));
  });
}

}  // namespace zq
