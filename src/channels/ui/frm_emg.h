#pragma once
// frm_emg: the emergency channels of the CB plans and of the HF and HAM bands.
#include "channels/ui/special_settings_window.h"

namespace zq {

class frm_emg : public SpecialSettingsWindow {
 public:
  explicit frm_emg(frmMain& main) : SpecialSettingsWindow(main, SpecialWindow::Emergency) {}
};

}  // namespace zq
