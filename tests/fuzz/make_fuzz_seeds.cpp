// Writes the seed inputs of the fuzz targets that are best made from the
// program's own output: data file pairs, JSON documents, memory images (their
// transfer ranges, as a read receives them) and exported channel tables.
//   make_fuzz_seeds <channel_plans.txt> <seed folder>
// The other targets' seeds are small texts kept in tests/fuzz/corpus.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "channels/csv_channels.h"
#include "config/defaults.h"
#include "datafile/channel_plan.h"
#include "datafile/data_file_bytes.h"
#include "datafile/json_document.h"
#include "fuzz_support.h"
#include "image/image_codec.h"
#include "link/transfer_ranges.h"
#include "support/random_config.h"

namespace {

namespace fs = std::filesystem;
using zq::RadioConfig;

bool Write(const fs::path& file, std::string_view bytes) {
  fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

std::string AsText(const std::vector<uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

zq::WorkingCopy Packed(RadioConfig cfg, int rangeIndex) {
  zq::DocumentState doc;
  doc.rangeText = zq::RangeTextOfIndex(rangeIndex);
  zq::WorkingCopy working;
  zq::PackForFile(cfg, doc, working);
  return working;
}

RadioConfig Planned(const std::vector<zq::PlanGroup>& plans, zq::TemplateKind kind, int rangeIndex) {
  RadioConfig cfg;
  zq::DocumentState doc;
  zq::SetDefaultValues(cfg, doc, zq::Date{2026, 1, 1});
  cfg.RangeType = {static_cast<int16_t>(rangeIndex), static_cast<int16_t>(rangeIndex)};
  zq::ApplyChannelPlans(plans, kind, cfg);
  return cfg;
}

std::string TransferRangesOf(RadioConfig cfg) {
  zq::MemoryImage image;
  zq::EncodeImage(cfg, image);
  std::string bytes;
  for (const zq::AddressRange& range : zq::kTransferRanges)
    bytes.append(image.bytes().begin() + range.first, image.bytes().begin() + range.last + 1);
  return bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: make_fuzz_seeds <channel_plans.txt> <seed folder>\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  auto plans = zq::ParseChannelPlans(text.str());
  if (!in || !plans.ok()) {
    std::cerr << argv[1] << ": cannot read the channel plans\n";
    return 1;
  }
  const fs::path out = argv[2];
  const RadioConfig& base = zq::fuzz::BaseConfig();
  const struct {
    const char* name;
    RadioConfig cfg;
    int rangeIndex;
  } configs[] = {
      {"base", base, 1},
      {"template-new", Planned(plans.groups, zq::TemplateKind::New, 1), 1},
      {"template-initial", Planned(plans.groups, zq::TemplateKind::InitialSetting, 0), 0},
      {"random", zq::testing::RandomConfig(1).Make(), 0},
  };
  bool ok = true;
  for (const auto& c : configs) {
    const zq::WorkingCopy working = Packed(c.cfg, c.rangeIndex);
    auto pair = zq::StoredPairBytes(working);
    ok = ok && pair && Write(out / "datafile" / c.name, AsText(pair->settings) + AsText(pair->channels));
    ok = ok && Write(out / "image" / c.name, TransferRangesOf(c.cfg));
    if (std::string_view(c.name) == "base") ok = ok && Write(out / "json" / c.name, zq::DumpJson(working));
  }
  ok = ok && Write(out / "csv" / "hf-group-1", zq::ExportChannelsCsv(base, {zq::kHF, 1}));
  ok = ok && Write(out / "csv" / "ham-mem", zq::ExportChannelsCsv(base, {zq::kHAM, zq::MemGroup(zq::kHAM)}));
  const RadioConfig& initial = configs[2].cfg;
  for (const zq::Band band : zq::kBands)
    ok = ok && Write(out / "csv" / (std::string("initial-") + zq::BandShortName(band)),
                     zq::ExportChannelsCsv(initial, {band, 1}));
  if (!ok) {
    std::cerr << out.string() << ": cannot write the seeds\n";
    return 1;
  }
  return 0;
}
