#pragma once
// frmCommChInfo: the channel information window, the editor of the channel
// tables. It shows one group of one band: a grid of channel numbers and
// frequencies, the group panel, and the detail panel of the channel selected
// in the grid. Every change goes straight into the one RadioConfig.
#include "channels/frequency_rules.h"
#include "channels/row_command_table.h"
#include "widgets/editor_window.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace zq {

class ChannelDetailPanel;
class ChannelGrid;
class GroupPanel;
class EditorHost;
class ListEditMenu;

class frmCommChInfo : public EditorWindow {
  Q_OBJECT
 public:
  frmCommChInfo(EditorHost& host, ListEditMenu& listEditMenu);
  ~frmCommChInfo() override;

  void ApplyLanguage() override;
  void CommitPendingEdit() override;
  void ReferencesChanged() override;
  void Reload() override;
  void ShowChannel(BandGroup group, int row) override;

  Band band() const { return shown_.band; }
  int group() const { return shown_.number; }
  QComboBox* bandSelector() const { return bandSelector_; }
  ChannelGrid* grid() const { return grid_; }
  GroupPanel* groupPanel() const { return groupPanel_; }
  ChannelDetailPanel* detailPanel() const { return detail_; }

  // Runs a list-edit command on the row selected in the grid.
  void RunListEdit(RowCommand command);
  void GridNextLine();
  void GridNextCol();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void InitShowGrid();
  void ChangShowByLanguage();
  void ShowBand(Band band);
  void ShowGroup(int group);
  void EnsureRoom();
  void SetGridData();
  void RefreshCells(bool tellNotNumeric);
  void reShowGrid(int row);
  void ShowChannelDetail(int row);
  void RefreshAfterChannelChange(int row);

  void OnBandPicked(int index);
  void OnGroupPicked(int group);
  void OnSettingsGroupPicked(int group);
  void OnGroupValidPicked(int entry);
  void OnGroupNameEdited(const QString& name);
  void OnWorkGroupPicked(int group);
  void OnWorkChannelPicked(int number);
  void OnChoicePicked(int field, int entry);
  void OnRowMenu(int row, const QPoint& globalPos);
  void RunListEditAt(RowCommand command, int row);

  void EnterGridEdit(int row);
  void SaveShowGridData();
  void CancelEdit();
  void OnEditEnter();
  void MoveToCell(int row, int column);
  void RememberWorkChannel();

  EditorHost& host_;
  ListEditMenu& listEditMenu_;
  QLabel* bandLabel_ = nullptr;
  QComboBox* bandSelector_ = nullptr;
  GroupPanel* groupPanel_ = nullptr;
  ChannelGrid* grid_ = nullptr;
  ChannelDetailPanel* detail_ = nullptr;
  QPushButton* closeButton_ = nullptr;
  QPushButton* exportButton_ = nullptr;
  QPushButton* importButton_ = nullptr;

  BandGroup shown_{kCB, 1};  // the group the grid shows
  int settingsGroup_ = 1;
  int lastEditedRow_ = 0;  // the remembered edit cell (always in the frequency column)
  FrequencyLimits limits_;
  bool committing_ = false;
  bool csvInFileOrder_ = false;  // the import dialog's check box, as the user last left it
};

}  // namespace zq
