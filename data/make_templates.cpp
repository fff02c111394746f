// Builds the template pairs of the program folder's Init/ from the channel-plan table:
//   make_templates <channel_plans.txt> <Init folder>
// Templates start from the program's defaults; 0_ templates are for the wide HF
// range (range index 0), 1_ templates for the 10-metre ranges (range index 1).
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "config/defaults.h"
#include "datafile/channel_plan.h"
#include "datafile/data_file.h"
#include "datafile/install_layout.h"
#include "platform/local_date.h"

namespace {

bool WriteTemplate(const std::filesystem::path& file, int rangeIndex, zq::TemplateKind kind,
                   const std::vector<zq::PlanGroup>& plans) {
  zq::EditedDocument edited;
  auto& [cfg, doc, working] = edited;
  doc.rangeText = zq::RangeTextOfIndex(rangeIndex);
  zq::SetDefaultValues(cfg, doc, zq::LocalToday());
  cfg.RangeType = {static_cast<int16_t>(rangeIndex), static_cast<int16_t>(rangeIndex)};
  zq::ApplyChannelPlans(plans, kind, cfg);
  return zq::SaveDataFile(file, edited).ok();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: make_templates <channel_plans.txt> <Init folder>\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  std::ostringstream text;
  if (!in || !(text << in.rdbuf())) {
    std::cerr << argv[1] << ": cannot read the channel-plan table\n";
    return 1;
  }
  auto plans = zq::ParseChannelPlans(text.str());
  if (!plans.ok()) {
    std::cerr << argv[1] << ":" << plans.errorLine << ": " << plans.error << "\n";
    return 1;
  }
  std::filesystem::path folder = argv[2];
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  for (int rangeIndex : {0, 1}) {
    std::string rangeText = zq::RangeTextOfIndex(rangeIndex);
    for (auto kind : {zq::TemplateKind::New, zq::TemplateKind::InitialSetting}) {
      auto file = folder / zq::TemplateFileOf({}, rangeText, kind).filename();
      if (!WriteTemplate(file, rangeIndex, kind, plans.groups)) {
        std::cerr << file.string() << ": cannot write the template\n";
        return 1;
      }
    }
  }
  return 0;
}
