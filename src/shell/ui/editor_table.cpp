#include "shell/ui/editor_table.h"

#include <algorithm>

#include "channels/ui/frm_comm_ch_info.h"
#include "channels/ui/frm_dw.h"
#include "channels/ui/frm_emg.h"
#include "channels/ui/frm_mem.h"
#include "channels/ui/frm_tvch.h"
#include "options/ui/frm_dtmf.h"
#include "options/ui/frm_opt_features.h"
#include "options/ui/frm_tone_tips.h"
#include "shell/ui/frm_main.h"

namespace zq {

const std::vector<EditorDef>& EditorTable() {
  static const std::vector<EditorDef> table = {
      {"N1", Txt::MenuChannelInformation, true,
       [](frmMain& m) -> EditorWindow* { return new frmCommChInfo(m, m.listEditMenu()); }},
      {"N2", Txt::MenuOptionFeatures, true, [](frmMain& m) -> EditorWindow* { return new FrmOptFeatures(m); }},
      {"N12", Txt::TreeRogerBeep, false, [](frmMain& m) -> EditorWindow* { return new FrmToneTips(m); }},
      {"N5", Txt::MenuDtmf, true, [](frmMain& m) -> EditorWindow* { return new FrmDTMF(m); }},
      {"N3", Txt::TreeEmergency, false, [](frmMain& m) -> EditorWindow* { return new frm_emg(m); }},
      {"N4", Txt::TreeDualWatch, false, [](frmMain& m) -> EditorWindow* { return new frm_dw(m); }},
      {"N6", Txt::TreeMemory, false, [](frmMain& m) -> EditorWindow* { return new frm_MEM(m); }},
      {"N7", Txt::TreeWeather, false, [](frmMain& m) -> EditorWindow* { return new FrmTVCH(m); }},
  };
  return table;
}

const EditorDef* FindEditor(std::string_view key) {
  const auto& table = EditorTable();
  auto it = std::find_if(table.begin(), table.end(), [&](const EditorDef& d) { return d.key == key; });
  return it == table.end() ? nullptr : &*it;
}

}  // namespace zq
