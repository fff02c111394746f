#include "datafile/data_file_bytes.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "datafile/record_bytes.h"
#include "text/plain_text.h"

namespace zq {
namespace {

FileResult Failed(FileStatus status, std::string version = {}) { return {status, std::move(version)}; }

bool IsVersionForm(std::string_view version) {
  return version.size() == 4 && version[0] == 'V' && IsAllDigits(version.substr(1));
}

FileResult CheckDataVersion(std::span<const uint8_t> settings, const VersionList& versions) {
  auto head = settings.first(std::min<std::size_t>(settings.size(), 4));
  std::string version(Cleaned(std::string(head.begin(), head.end())));
  if (!IsVersionForm(version)) return Failed(FileStatus::UnknownVersion);
  if (!IsCompatible(versions, kDataVersion, version)) return Failed(FileStatus::IncompatibleVersion, version);
  return {};
}

}  // namespace

std::size_t MaxChannelFileSize() {
  GroupBandTable full;
  for (const Band band : kBands)
    for (int group = 1; group <= GroupCount(band); ++group)
      full.at({band, group}) = static_cast<int16_t>(GroupCapacity({band, group}));
  return static_cast<std::size_t>(ChannelFileRecordCount(full)) * kChannelRecordSize;
}

std::optional<StoredPair> StoredPairBytes(const WorkingCopy& working) {
  const RadioConfig& content = working.content;
  if (!ChannelCountsAreValid(content.ChannelCount)) return std::nullopt;
  StoredPair pair;
  // The program reads back only what it writes: whatever a configuration came
  // from (a radio, a JSON document, a file of another model), the pair carries
  // this release's data version and the program's identity.
  FixedText<4> dataVersion = content.DataVersion;
  IdentityRecord identity = content.Identity;
  NormaliseIdentity(identity, dataVersion, RangeTextOfIndex(content.RangeIndex()));
  pair.settings = EncodeSettingsRecord(content, dataVersion, identity);
  pair.channels.reserve(static_cast<std::size_t>(ChannelFileRecordCount(content.ChannelCount)) * kChannelRecordSize);
  auto put = [&](const ChannelRecord& record) {
    std::array<uint8_t, kChannelRecordSize> stored{};
    EncodeChannelRecord(record, stored);
    pair.channels.insert(pair.channels.end(), stored.begin(), stored.end());
  };
  for (const Band band : kBands)
    for (int group = 1; group <= GroupCount(band); ++group)
      for (int k = 1; k <= content.Count({band, group}); ++k) put(content.Channel({band, group}, k));
  for (int n = 1; n <= kSpecialSlots; ++n) put(content.Special(n));
  return pair;
}

FileResult ParseStoredPair(std::span<const uint8_t> settings, std::span<const uint8_t> channels, WorkingCopy& out) {
  if (settings.size() != kDataFileSize) return Failed(FileStatus::WrongLength);
  const auto record = settings.first<kDataFileSize>();
  const GroupBandTable counts = StoredChannelCounts(record);
  if (!ChannelCountsAreValid(counts)) return Failed(FileStatus::FileError);
  const std::size_t needed = ChannelFileRecordCount(counts) * kChannelRecordSize;
  if (channels.size() < needed) return {FileStatus::FileError, {}, true};

  // Nothing can fail from here on: the pair replaces the working copy in place,
  // which spares a second copy of the whole channel table.
  RadioConfig& content = out.content;
  content.Options = OptionFeatures();
  DecodeSettingsRecord(record, content);
  std::size_t next = 0;
  auto take = [&] {
    auto bytes = channels.subspan(next).first<kChannelRecordSize>();
    next += kChannelRecordSize;
    return DecodeChannelRecord(bytes);
  };
  for (const Band band : kBands) {
    for (int group = 1; group <= kMaxGroups; ++group) {
      const int stored = IsGroup({band, group}) ? content.Count({band, group}) : 0;
      auto records = content.Channels.group({band, group});
      for (int k = 1; k <= kMaxSlots; ++k) records[k - 1] = k <= stored ? take() : ChannelRecord();
    }
  }
  for (int n = 1; n <= kSpecialSlots; ++n) content.Special(n) = take();
  return {};
}

FileResult ParseDataFiles(std::span<const uint8_t> settings, std::span<const uint8_t> channels,
                          const VersionList& versions, WorkingCopy& out) {
  FileResult checked = CheckDataVersion(settings, versions);
  return checked.ok() ? ParseStoredPair(settings, channels, out) : checked;
}

FileResult OpenDataFileBytes(std::span<const uint8_t> settings, std::span<const uint8_t> channels,
                             const VersionList& versions, EditedDocument& edited) {
  auto& [cfg, doc, working] = edited;
  FileResult result = ParseDataFiles(settings, channels, versions, working);
  if (!result.ok()) return result;
  working.content.DataVersion = kDataVersion;
  UnpackFromFile(working, cfg, doc);
  return result;
}

}  // namespace zq
