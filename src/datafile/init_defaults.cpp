#include "datafile/init_defaults.h"

#include "datafile/data_file.h"
#include "datafile/install_layout.h"

namespace zq {

bool InitDefaults(const std::filesystem::path& dataFolder, Date today, RadioConfig& cfg, DocumentState& doc,
                  WorkingCopy& working) {
  SetDefaultValues(cfg, doc, today);
  bool loaded = LoadTemplate(TemplateFileOf(dataFolder, doc.rangeText, TemplateKind::New), cfg, doc, working);
  PackForFile(cfg, doc, working);
  return loaded;
}

}  // namespace zq
