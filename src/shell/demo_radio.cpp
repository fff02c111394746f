#include "shell/demo_radio.h"

#include "config/defaults.h"
#include "datafile/data_file.h"
#include "datafile/install_layout.h"
#include "image/image_codec.h"

namespace zq {

std::unique_ptr<SimulatedRadio> MakeDemoRadio(const std::filesystem::path& dataFolder, bool wireSpeed) {
  RadioConfig cfg;
  DocumentState doc;
  WorkingCopy working;
  SetDefaultValues(cfg, doc, Date{2026, 1, 1});
  LoadTemplate(TemplateFileOf(dataFolder, doc.rangeText, TemplateKind::InitialSetting), cfg, doc, working);
  MemoryImage memory;
  EncodeImage(cfg, memory);
  RadioIdentity identity{kModelName, true, kDataVersion};
  RadioBehaviour behaviour;
  if (wireSpeed) behaviour.baud = 115200;
  return std::make_unique<SimulatedRadio>(std::move(memory), identity, behaviour);
}

}  // namespace zq
