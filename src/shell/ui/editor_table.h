#pragma once
// The editors the main window opens: their tree keys, tree texts and how each
// is made. One entry per editor kind; at most one window of a kind is open.
#include <functional>
#include <string_view>
#include <vector>

#include "text/language_table.h"

namespace zq {

class EditorWindow;
class frmMain;

struct EditorDef {
  std::string_view key;  // tree key, "N1" ...
  Txt treeText;
  bool stripAmpersand;                            // the text is a menu caption
  std::function<EditorWindow*(frmMain&)> create;  // empty until the editor exists
};

// In the order of the editor tree.
const std::vector<EditorDef>& EditorTable();
const EditorDef* FindEditor(std::string_view key);

inline constexpr std::string_view kChannelEditorKey = "N1";
inline constexpr std::string_view kOptionEditorKey = "N2";
inline constexpr std::string_view kRogerBeepEditorKey = "N12";
inline constexpr std::string_view kDtmfEditorKey = "N5";

}  // namespace zq
