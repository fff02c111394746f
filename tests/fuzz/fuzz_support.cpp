#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>

#include "config/channel_slots.h"
#include "config/defaults.h"

namespace zq::fuzz {
namespace {

struct Base {
  RadioConfig config;
  DocumentState document;

  Base() {
    SetDefaultValues(config, document, Date{2026, 1, 1});
    const char* frequencies[] = {"28125000", "28305000", "28405000", "29600000"};
    int number = 1;
    for (const char* frequency : frequencies) {
      ChannelRecord record = NewChannelRecord(number);
      record.RxFrequency = frequency;
      record.TxFrequency = frequency;
      AppendSlot(config, {kHF, 1}, record);
      record.Number = static_cast<int16_t>(number * 3);
      AppendSlot(config, {kHAM, MemGroup(kHAM)}, record);
      ++number;
    }
    ChannelRecord& special = config.Special(1);
    special.Enabled = 1;
    special.Number = 1;
    special.RxFrequency = "26965000";
  }
};

const Base& TheBase() {
  static const Base base;
  return base;
}

}  // namespace

void Broken(const char* invariant, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, invariant);
  std::abort();
}

const RadioConfig& BaseConfig() { return TheBase().config; }
const DocumentState& BaseDocument() { return TheBase().document; }

}  // namespace zq::fuzz
