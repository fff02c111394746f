#pragma once
// How the Edit menu names the step Undo or Redo would take ("frequency of HAM A
// channel 9"), and where that step is shown: the editor, and for channels the
// band, group and row the channel window brings into view.
#include <optional>
#include <string>
#include <string_view>

#include "shell/config_history.h"

namespace zq {

struct UndoStepView {
  std::string what;          // in the current language; empty for no step
  std::string_view editor;   // tree key of the editor that shows the change
  std::optional<Band> band;  // a channel place: none for none
  int group = 0;             // 0: the band only
  int row = 0;               // 0: the group only
};

UndoStepView ViewOfStep(const StepReach& reach, const RadioConfig& cfg, int language);

}  // namespace zq
