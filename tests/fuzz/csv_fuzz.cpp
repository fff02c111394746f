// A channel CSV file, imported into HF group 1 and into the HAM memory group of
// a configuration that already has channels there.
//
// Invariants: a refused file changes nothing; an import changes no other
// group's channels and adds exactly the channels it reports; every message
// about a skipped line can be shown; the group exported and imported again
// changes nothing and skips no line.
#include "channels/csv_channels.h"
#include "config/channel_slots.h"
#include "fuzz_support.h"

namespace zq {
namespace {

bool SameChannelsOutside(const RadioConfig& a, const RadioConfig& b, BandGroup group) {
  for (const Band bd : kBands) {
    for (int g = 1; g <= GroupCount(bd); ++g) {
      if (bd == group.band && g == group.number) continue;
      if (a.Count({bd, g}) != b.Count({bd, g})) return false;
      for (int k = 1; k <= SlotsInUse(a, {bd, g}); ++k)
        if (!(a.Channel({bd, g}, k) == b.Channel({bd, g}, k))) return false;
    }
  }
  return a.SpecialChannelSlots == b.SpecialChannelSlots;
}

void Import(std::string_view text, BandGroup group) {
  const RadioConfig& base = fuzz::BaseConfig();
  // Kept from one input to the next: fresh memory for a configuration costs
  // more than the import.
  static RadioConfig cfg, again;
  cfg = base;
  CsvImportResult result = ImportChannelsCsv(cfg, group, text);
  if (result.refusal) {
    FUZZ_CHECK(cfg == base);
    FUZZ_CHECK(!MessageText(*result.refusal, 1).empty());
    return;
  }
  FUZZ_CHECK(SameChannelsOutside(cfg, base, group));
  FUZZ_CHECK(SlotsInUse(cfg, group) == SlotsInUse(base, group) + result.created);
  for (const CsvMessage& skipped : result.skippedLines) FUZZ_CHECK(!MessageText(skipped, 2).empty());

  again = cfg;
  CsvImportResult repeated = ImportChannelsCsv(again, group, ExportChannelsCsv(cfg, group));
  FUZZ_CHECK(!repeated.refusal && repeated.skippedLines.empty());
  FUZZ_CHECK(repeated.created == 0 && repeated.changed == 0 && again == cfg);
}

}  // namespace
}  // namespace zq

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zq;
  const std::string_view text = fuzz::TextOf({data, size});
  Import(text, {kHF, 1});
  Import(text, {kHAM, MemGroup(kHAM)});
  return 0;
}
