#pragma once
// The window behind frm_emg, frm_dw and frm_MEM: a CB frame and the HF and HAM
// frames, one labelled list per field of the window's table. It edits a copy of
// its settings record; only Save writes the copy back, closing drops it.
#include <cstdint>
#include <string>
#include <vector>

#include "channels/emg_dw_mem_fields.h"
#include "widgets/editor_window.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace zq {

class EditorHost;

class SpecialSettingsWindow : public EditorWindow {
  Q_OBJECT
 public:
  SpecialSettingsWindow(EditorHost& host, SpecialWindow which);

  void ApplyLanguage() override;
  void Reload() override;
  bool HoldsUnsavedChoices() const override;
  void DropUnsavedChoices() override { Reload(); }

  // The window's copy of its record, as Save would store it.
  const std::vector<int16_t>& copy() const { return copy_; }

 private:
  void Build();
  void FillField(int index);
  void FillAllFieldsBut(int index);
  void OnPicked(int index, int entry);
  void Save();
  void CloseWindow();
  std::string HandlerName(const char* handler) const;

  EditorHost& host_;
  SpecialWindow which_;
  const SpecialWindowDef& def_;
  std::vector<int16_t> copy_;
  std::vector<QLabel*> labels_;
  std::vector<QComboBox*> lists_;
  QGroupBox* frames_[3] = {};
  QPushButton* save_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace zq
