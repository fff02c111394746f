#pragma once
// frm_emg: the emergency channels of the CB plans and of the HF and HAM bands.
#include "channels/ui/emg_dw_mem_window.h"

namespace zq {

class frm_emg : public SpecialSettingsWindow {
 public:
  explicit frm_emg(EditorHost& host) : SpecialSettingsWindow(host, SpecialWindow::Emergency) {}
};

}  // namespace zq
