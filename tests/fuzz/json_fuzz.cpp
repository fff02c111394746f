// The data file pair as a JSON document.
//
// Invariants: a refused document leaves the working copy exactly as it was and
// its message names the fault; an accepted one dumps to a document that loads
// to the same working copy and dumps to the same text, and is stored in and
// read back from the data file pair unchanged, but for the identity and data
// version, which a save makes this release's own.
#include "datafile/data_file_bytes.h"
#include "datafile/json_document.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zq;
  static const WorkingCopy untouched = [] {
    WorkingCopy working;
    RadioConfig cfg = fuzz::BaseConfig();
    PackForFile(cfg, fuzz::BaseDocument(), working);
    return working;
  }();

  // Kept from one input to the next: fresh memory for a configuration costs
  // more than most documents.
  static WorkingCopy loaded, again, stored;
  loaded = untouched;
  JsonResult result = LoadJson(fuzz::TextOf({data, size}), loaded);
  if (!result.ok()) {
    FUZZ_CHECK(loaded.content == untouched.content);
    FUZZ_CHECK(!JsonResultText(result, 2).empty());
    return 0;
  }

  const std::string dumped = DumpJson(loaded);
  FUZZ_CHECK(LoadJson(dumped, again).ok());
  FUZZ_CHECK(again.content == loaded.content);
  FUZZ_CHECK(DumpJson(again) == dumped);

  auto pair = StoredPairBytes(loaded);
  FUZZ_CHECK(pair.has_value());
  FUZZ_CHECK(ParseStoredPair(pair->settings, pair->channels, stored).ok());
  static RadioConfig saved;
  saved = loaded.content;
  NormaliseIdentity(saved, RangeTextOfIndex(saved.RangeIndex()));
  FUZZ_CHECK(stored.content == saved);
  return 0;
}
