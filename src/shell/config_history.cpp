#include "shell/config_history.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <string_view>
#include <type_traits>

#include "datafile/stored_layout.h"

namespace zq {
namespace {

constexpr int kChannelRecords = kBandCount * kMaxGroups * kMaxSlots;
constexpr int kRecordCount = kChannelRecords + kSpecialSlots;
static_assert(kRecordCount <= 0xFFFF);

// Changed bytes closer together than this are kept as one run: a run's own
// bookkeeping costs more than a few unchanged bytes.
constexpr std::size_t kJoinGap = 16;

template <class Config>
auto& RecordAt(Config& cfg, int index) {
  if (index >= kChannelRecords) return cfg.SpecialChannelSlots[index - kChannelRecords];
  return cfg.Channels.records()[index];
}

// Handlers that change nothing end many times a second: records are compared as bytes.
bool SameRecord(const ChannelRecord& a, const ChannelRecord& b) {
  static_assert(std::has_unique_object_representations_v<ChannelRecord>, "equal records have equal bytes");
  return std::memcmp(&a, &b, sizeof(ChannelRecord)) == 0;
}

// Every member of the settings block, in stored order: its name and itself.
template <class Config, class Visitor>
void VisitSettingsMembers(Config& cfg, Visitor&& visit) {
  VisitSettingsHeader(cfg, visit);
  visit("Options", cfg.Options);
  VisitFurtherSettings(cfg, visit);
}

// Every member of the settings block as the bytes it occupies, in stored order.
template <class Config>
auto SettingsBytes(Config& cfg) {
  using Byte = std::conditional_t<std::is_const_v<Config>, const uint8_t, uint8_t>;
  std::vector<std::span<Byte>> members;
  VisitSettingsMembers(cfg, [&](std::string_view, auto& member) {
    using Member = std::remove_cvref_t<decltype(member)>;
    static_assert(std::is_trivially_copyable_v<Member>, "a settings member is restored byte by byte");
    members.emplace_back(reinterpret_cast<Byte*>(&member), sizeof(Member));
  });
  return members;
}

}  // namespace

ConfigHistory::ConfigHistory(std::size_t maxSteps) : maxSteps_(std::max<std::size_t>(maxSteps, 1)) {}

void ConfigHistory::Reset(const RadioConfig& now) {
  steps_.clear();
  done_ = 0;
  recorded_ = now;
}

bool ConfigHistory::Record(const RadioConfig& now) {
  Step step = Difference(recorded_, now);
  if (step.empty()) return false;
  // Bytes between a record's fields may differ where no value differs: no change.
  const bool noValueChanged = step.records.empty() && recorded_ == now;
  Apply(step, true, recorded_);
  if (noValueChanged) return false;
  steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
  steps_.push_back(std::move(step));
  if (steps_.size() > maxSteps_) steps_.pop_front();
  done_ = steps_.size();
  return true;
}

void ConfigHistory::Absorb(const RadioConfig& now) { Apply(Difference(recorded_, now), true, recorded_); }

bool ConfigHistory::Undo(RadioConfig& cfg) {
  Record(cfg);
  if (!CanUndo()) return false;
  const Step& step = steps_[--done_];
  Apply(step, false, cfg);
  Apply(step, false, recorded_);
  return true;
}

bool ConfigHistory::Redo(RadioConfig& cfg) {
  Record(cfg);
  if (!CanRedo()) return false;
  const Step& step = steps_[done_++];
  Apply(step, true, cfg);
  Apply(step, true, recorded_);
  return true;
}

ConfigHistory::Step ConfigHistory::Difference(const RadioConfig& from, const RadioConfig& to) {
  Step step;
  for (int index = 0; index < kRecordCount; ++index) {
    const ChannelRecord& before = RecordAt(from, index);
    const ChannelRecord& after = RecordAt(to, index);
    if (!SameRecord(before, after)) step.records.push_back({static_cast<uint16_t>(index), before, after});
  }
  const auto fromMembers = SettingsBytes(from);
  const auto toMembers = SettingsBytes(to);
  for (std::size_t m = 0; m < fromMembers.size(); ++m) {
    std::span<const uint8_t> before = fromMembers[m], after = toMembers[m];
    for (std::size_t i = 0; i < before.size();) {
      if (before[i] == after[i]) {
        ++i;
        continue;
      }
      std::size_t end = i + 1;
      for (std::size_t j = end; j < before.size() && j - end < kJoinGap; ++j)
        if (before[j] != after[j]) end = j + 1;
      step.settings.push_back({static_cast<uint8_t>(m), static_cast<uint16_t>(i),
                               std::vector<uint8_t>(before.begin() + i, before.begin() + end),
                               std::vector<uint8_t>(after.begin() + i, after.begin() + end)});
      i = end;
    }
  }
  step.records.shrink_to_fit();
  step.settings.shrink_to_fit();
  return step;
}

void ConfigHistory::Apply(const Step& step, bool forward, RadioConfig& cfg) {
  for (const RecordChange& change : step.records) RecordAt(cfg, change.index) = forward ? change.after : change.before;
  if (step.settings.empty()) return;
  const auto members = SettingsBytes(cfg);
  for (const BytesChange& change : step.settings) {
    const std::vector<uint8_t>& bytes = forward ? change.after : change.before;
    std::copy(bytes.begin(), bytes.end(), members[change.member].begin() + change.offset);
  }
}

StepReach ConfigHistory::ReachOf(const Step& step) const {
  StepReach reach;
  for (const RecordChange& change : step.records) {
    StepReach::Channel channel{std::nullopt, 0, 0, change.before, change.after};
    if (change.index < kChannelRecords) {
      channel.band = BandOfIndex(change.index / (kMaxGroups * kMaxSlots));
      channel.group = change.index / kMaxSlots % kMaxGroups + 1;
      channel.slot = change.index % kMaxSlots + 1;
    } else {
      channel.slot = change.index - kChannelRecords + 1;
    }
    reach.channels.push_back(channel);
  }
  std::vector<std::string_view> names;
  VisitSettingsMembers(recorded_, [&](std::string_view name, const auto&) { names.push_back(name); });
  for (const BytesChange& change : step.settings) reach.settings.push_back({names[change.member], change.offset});
  return reach;
}

std::size_t ConfigHistory::StepBytes() const {
  std::size_t bytes = 0;
  for (const Step& step : steps_) {
    bytes += sizeof(Step) + step.records.capacity() * sizeof(RecordChange) +
             step.settings.capacity() * sizeof(BytesChange);
    for (const BytesChange& change : step.settings) bytes += change.before.capacity() + change.after.capacity();
  }
  return bytes;
}

}  // namespace zq
