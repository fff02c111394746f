#pragma once
// FrmDTMF: the sixteen DTMF codes of the radio's autodial memory and the DTMF
// timing and display settings. Channels and the bands' common parameters
// refer to the codes by number (BOT, EOT, CALL); this window keeps those
// references pointing at defined codes.
#include <vector>

#include "widgets/editor_window.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace zq {

class DtmfCodeDelegate;
class EditorHost;
struct DtmfSettingList;
struct RadioConfig;

class FrmDTMF : public EditorWindow {
  Q_OBJECT
 public:
  explicit FrmDTMF(EditorHost& host);

  void ApplyLanguage() override;
  void CommitPendingEdit() override;
  void Reload() override;

  // Resets every BOT, EOT and CALL that names an undefined code, then the open
  // channel and option windows rebuild their lists.
  void SetDTMFList();

 private:
  struct SettingControl {
    const DtmfSettingList* def;
    QLabel* label;
    QComboBox* combo;
  };

  RadioConfig& cfg();
  int language() const;
  void BuildWindow();
  void FillLists();
  void SetCaptions();
  void ShowValues();
  void OnCodeEdited(QTableWidgetItem* item);
  void MoveToNextCode();

  EditorHost& host_;
  QTableWidget* codes_ = nullptr;
  DtmfCodeDelegate* delegate_ = nullptr;
  std::vector<SettingControl> settings_;
  QCheckBox* display_ = nullptr;
  QPushButton* close_ = nullptr;
  bool showing_ = false;
};

}  // namespace zq
