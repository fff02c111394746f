#pragma once
// The undo history of the configuration: one step per user action. A step
// holds only what the action changed: the channel and special records, and
// the changed bytes of the settings, before and after. It costs little memory
// however large the configuration is, and undoing it touches only those parts.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string_view>
#include <vector>

#include "config/radio_config.h"

namespace zq {

inline constexpr std::size_t kUndoSteps = 100;

// What one step changes, for naming it and bringing it into view.
struct StepReach {
  struct Channel {
    std::optional<Band> band;  // none: special slot `slot` (from 1)
    int group = 0, slot = 0;
    ChannelRecord before, after;
  };
  struct Setting {
    std::string_view member;  // as the data file names it ("Options", "EmergencySettings")
    int offset = 0;           // first changed byte in it
  };
  std::vector<Channel> channels;
  std::vector<Setting> settings;
};

class ConfigHistory {
 public:
  explicit ConfigHistory(std::size_t maxSteps = kUndoSteps);

  // Forgets every step: the history starts at `now`.
  void Reset(const RadioConfig& now);
  // Ends a user action: what `now` holds beyond the state last recorded
  // becomes a step, and what could have been redone is gone. False when
  // nothing changed. The oldest step goes when there are more than the maximum.
  bool Record(const RadioConfig& now);
  // Takes what `now` holds as recorded without a step: changes that are no
  // user's edit (a save rewrites the identity record) are not undone.
  void Absorb(const RadioConfig& now);

  bool CanUndo() const { return done_ > 0; }
  bool CanRedo() const { return done_ < steps_.size(); }
  std::size_t UndoCount() const { return done_; }
  std::size_t RedoCount() const { return steps_.size() - done_; }
  // Records what `cfg` holds beyond the last step, then takes a step back or
  // forward in `cfg`. False when there is none.
  bool Undo(RadioConfig& cfg);
  bool Redo(RadioConfig& cfg);

  // What the next Undo or Redo changes; empty without one.
  StepReach UndoReach() const { return CanUndo() ? ReachOf(steps_[done_ - 1]) : StepReach(); }
  StepReach RedoReach() const { return CanRedo() ? ReachOf(steps_[done_]) : StepReach(); }

  // Memory the steps hold, in bytes.
  std::size_t StepBytes() const;

 private:
  struct RecordChange {
    uint16_t index;  // channel records of every band and group, then the special slots
    ChannelRecord before, after;
  };
  struct BytesChange {
    uint8_t member;   // settings member, in stored order
    uint16_t offset;  // first changed byte in it
    std::vector<uint8_t> before, after;
  };
  struct Step {
    std::vector<RecordChange> records;
    std::vector<BytesChange> settings;
    bool empty() const { return records.empty() && settings.empty(); }
  };

  static Step Difference(const RadioConfig& from, const RadioConfig& to);
  StepReach ReachOf(const Step& step) const;
  static void Apply(const Step& step, bool forward, RadioConfig& cfg);

  std::size_t maxSteps_;
  std::deque<Step> steps_;
  std::size_t done_ = 0;  // steps_[0, done_) can be undone, the rest redone
  RadioConfig recorded_;
};

}  // namespace zq
