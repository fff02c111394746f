#pragma once
// frm_MEM: the memory channel of the CB plans and of the HF and HAM bands, and whether it is on.
#include "channels/ui/emg_dw_mem_window.h"

namespace zq {

class frm_MEM : public SpecialSettingsWindow {
 public:
  explicit frm_MEM(EditorHost& host) : SpecialSettingsWindow(host, SpecialWindow::MemoryChannel) {}
};

}  // namespace zq
