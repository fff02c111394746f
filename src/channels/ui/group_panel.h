#pragma once
// The group panel of the channel editor: the group shown in the grid, the
// settings of a group (valid, name), the band's work group and the shown
// group's current work channel. Lists carry group and channel numbers, so
// nothing is looked up by name. Filling never writes back; only picks and
// edits by the user are reported.
#include <QGroupBox>

#include "config/radio_config.h"

class QComboBox;
class QLabel;

namespace zq {

class FilteredLineEdit;

class GroupPanel : public QGroupBox {
  Q_OBJECT
 public:
  explicit GroupPanel(QWidget* parent);

  void ApplyLanguage(int language);
  void Show(const RadioConfig& cfg, Band band, int shownGroup, int settingsGroup, int language);
  // The title and the group lists only, after a group was renamed (the name box keeps its cursor).
  void ShowGroupNames(const RadioConfig& cfg, Band band, int shownGroup, int settingsGroup, int language);

  QComboBox* groupSelector() const { return groupSelector_; }
  QComboBox* settingsGroupList() const { return settingsGroup_; }
  QComboBox* groupValidList() const { return groupValid_; }
  FilteredLineEdit* groupNameBox() const { return groupName_; }
  QComboBox* workGroupList() const { return workGroup_; }
  QComboBox* workChannelList() const { return workChannel_; }

 signals:
  void shownGroupPicked(int group);
  void settingsGroupPicked(int group);
  void groupValidPicked(int entry);
  void groupNameEdited(const QString& name);
  void workGroupPicked(int group);
  void workChannelPicked(int number);

 private:
  QLabel* AddLabel(const char* name);
  QComboBox* AddList(const char* name);
  void ShowSettingsGroup(const RadioConfig& cfg, BandGroup group, int language);
  void ShowWorkChannel(const RadioConfig& cfg, Band band, int shownGroup);

  QLabel* groupLabel_;
  QLabel* validLabel_;
  QLabel* nameLabel_;
  QLabel* workGroupLabel_;
  QLabel* workChannelLabel_;
  QComboBox* groupSelector_;
  QComboBox* settingsGroup_;
  QComboBox* groupValid_;
  FilteredLineEdit* groupName_;
  QComboBox* workGroup_;
  QComboBox* workChannel_;
};

}  // namespace zq
