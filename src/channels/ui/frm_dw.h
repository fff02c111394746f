#pragma once
// frm_dw: the dual-watch channel of the CB plans and of the HF and HAM bands.
#include "channels/ui/emg_dw_mem_window.h"

namespace zq {

class frm_dw : public SpecialSettingsWindow {
 public:
  explicit frm_dw(EditorHost& host) : SpecialSettingsWindow(host, SpecialWindow::DualWatch) {}
};

}  // namespace zq
