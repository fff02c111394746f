// The data file pair: the input's first 2885 bytes (or all of a shorter input)
// are the data file, the rest the channel file.
//
// Invariants: a refused pair leaves the configuration, the document and the
// working copy exactly as they were; an opened pair counts as unchanged; saved
// and opened again it gives the same configuration, and saving that writes the
// same bytes again.
#include <algorithm>

#include "datafile/data_file_bytes.h"
#include "datafile/stored_layout.h"
#include "fuzz_support.h"

namespace zq {
namespace {

struct Document : EditedDocument {
  Document() {
    config = fuzz::BaseConfig();
    document = fuzz::BaseDocument();
    PackForFile(config, document, working);
  }
  FileResult Open(const StoredPair& pair, const VersionList& versions) {
    return OpenDataFileBytes(pair.settings, pair.channels, versions, *this);
  }
  bool operator==(const Document& other) const {
    return config == other.config && working.content == other.working.content &&
           document.fileName == other.document.fileName && document.untitled == other.document.untitled &&
           document.rangeText == other.document.rangeText;
  }
};

const VersionList& Versions() {
  static const VersionList versions{"V100", {"V100"}, {{"V100", "V100"}}};
  return versions;
}

StoredPair Save(Document& document) {
  static WorkingCopy packed;
  PackForFile(document.config, document.document, packed);
  auto pair = StoredPairBytes(packed);
  FUZZ_CHECK(pair.has_value());
  return *pair;
}

}  // namespace
}  // namespace zq

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zq;
  const std::size_t settingsSize = std::min(size, kDataFileSize);
  const StoredPair input{{data, data + settingsSize}, {data + settingsSize, data + size}};

  // Kept from one input to the next: a configuration is large, and fresh
  // memory for each would cost more than the parsing.
  static const Document untouched;
  static Document opened, reopened;
  opened = untouched;
  FileResult result = opened.Open(input, Versions());
  if (!result.ok()) {
    FUZZ_CHECK(opened == untouched);
    FUZZ_CHECK(!FileResultText(result, 1).empty());
    return 0;
  }
  FUZZ_CHECK(IsUnchanged(opened.config, opened.working));

  const StoredPair saved = Save(opened);
  reopened = untouched;
  FUZZ_CHECK(reopened.Open(saved, Versions()).ok());
  FUZZ_CHECK(reopened.config == opened.config);
  FUZZ_CHECK(IsUnchanged(reopened.config, reopened.working));
  const StoredPair savedAgain = Save(reopened);
  FUZZ_CHECK(savedAgain.settings == saved.settings && savedAgain.channels == saved.channels);
  return 0;
}
