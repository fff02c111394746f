#include "datafile/init_defaults.h"

#include "datafile/data_file.h"
#include "datafile/install_layout.h"

namespace zq {

bool InitDefaults(const std::filesystem::path& dataFolder, Date today, EditedDocument& edited) {
  auto& [cfg, doc, working] = edited;
  SetDefaultValues(cfg, doc, today);
  bool loaded = LoadTemplate(TemplateFileOf(dataFolder, doc.rangeText, TemplateKind::New), edited);
  PackForFile(cfg, doc, working);
  return loaded;
}

}  // namespace zq
