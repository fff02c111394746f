#include "shell/demo_radio.h"

#include "config/defaults.h"
#include "datafile/data_file.h"
#include "datafile/install_layout.h"
#include "image/image_codec.h"

namespace zq {

std::unique_ptr<SimulatedRadio> MakeDemoRadio(const std::filesystem::path& dataFolder, bool wireSpeed) {
  EditedDocument demo;
  SetDefaultValues(demo.config, demo.document, Date{2026, 1, 1});
  LoadTemplate(TemplateFileOf(dataFolder, demo.document.rangeText, TemplateKind::InitialSetting), demo);
  MemoryImage memory;
  EncodeImage(demo.config, memory);
  RadioIdentity identity{kModelName, true, kDataVersion};
  RadioBehaviour behaviour;
  if (wireSpeed) behaviour.baud = 115200;
  return std::make_unique<SimulatedRadio>(std::move(memory), identity, behaviour);
}

}  // namespace zq
