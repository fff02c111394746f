#pragma once
// FrmTVCH: the weather receiver's 40 channels and its VFO in a grid, and its
// seven settings. A double click opens an editor over a cell; what the user
// typed or picked in it is stored when the grid is clicked, on Enter, before a
// write to the radio and when the window closes (an editor left untouched
// stores nothing). Every change goes straight into the configuration.
#include <array>

#include "channels/weather_fields.h"
#include "widgets/editor_window.h"

class QComboBox;
class QLabel;
class QTableWidget;

namespace zq {

class EditorHost;
class WeatherFrequencyEdit;

class FrmTVCH : public EditorWindow {
  Q_OBJECT
 public:
  explicit FrmTVCH(EditorHost& host);

  void ApplyLanguage() override;
  void CommitPendingEdit() override;
  void Reload() override;

  QTableWidget* grid() const { return grid_; }
  // Stores what the open cell editor holds and closes it.
  void Save_TVChannel();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Build();
  void BuildGrid();
  void BuildSettings(QWidget* panel);
  void FillGrid();
  void FillSettings();
  void OpenCellEditor(int row, int column);
  void CloseCellEditor();
  bool CellEditorChanged() const;
  void StoreCellEditor();
  void GoToRow(int row);
  void OnSettingPicked(int index, int entry);
  int language() const;

  EditorHost& host_;
  QTableWidget* grid_ = nullptr;
  WeatherFrequencyEdit* frequencyEditor_ = nullptr;
  QComboBox* listEditor_ = nullptr;
  int editRow_ = -1;
  int editColumn_ = -1;
  bool listPicked_ = false;  // the open list editor was picked from
  std::array<QLabel*, std::size(kWeatherSettings)> settingLabels_{};
  std::array<QComboBox*, std::size(kWeatherSettings)> settingLists_{};
};

}  // namespace zq
