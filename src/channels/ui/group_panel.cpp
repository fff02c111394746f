#include "channels/ui/group_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "channels/channel_rows.h"
#include "channels/group_entries.h"
#include "channels/list_entries.h"
#include "text/plain_text.h"
#include "widgets/filtered_line_edit.h"
#include "widgets/ui_text.h"

namespace zq {
namespace {

// The radio shows group names in capitals, one byte a character.
constexpr std::string_view kGroupNameKeys = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 +-/";
constexpr int kGroupNameLength = 2;
// Room for "MEM", "M99" and "On"/"Off" before the lists are first filled.
constexpr int kGroupListCharacters = 4;

// Fills a list with (text, number) entries and selects the entry of `selected`, else the first one.
void FillNumberedList(QComboBox* list, const std::vector<std::pair<QString, int>>& entries, int selected) {
  QSignalBlocker quiet(list);
  list->clear();
  int shown = 0;
  for (const auto& [text, number] : entries) {
    if (number == selected) shown = list->count();
    list->addItem(text, number);
  }
  list->setCurrentIndex(entries.empty() ? -1 : shown);
}

std::vector<std::pair<QString, int>> Entries(const std::vector<GroupEntry>& groups) {
  std::vector<std::pair<QString, int>> entries;
  for (const GroupEntry& e : groups) entries.emplace_back(QString::fromStdString(e.name), e.group);
  return entries;
}

}  // namespace

GroupPanel::GroupPanel(QWidget* parent) : QGroupBox(parent) {
  setObjectName("groupPanel");
  groupLabel_ = AddLabel("groupLabel");
  validLabel_ = AddLabel("groupValidLabel");
  nameLabel_ = AddLabel("groupNameLabel");
  workGroupLabel_ = AddLabel("workGroupLabel");
  workChannelLabel_ = AddLabel("workChannelLabel");
  groupSelector_ = AddList("groupSelector");
  settingsGroup_ = AddList("settingsGroupList");
  groupValid_ = AddList("groupValidList");
  workGroup_ = AddList("workGroupList");
  workChannel_ = AddList("workChannelList");
  groupName_ = new FilteredLineEdit(FilteredLineEdit::Keys(kGroupNameKeys, true), "frmCommChInfo_GroupName_KeyPress",
                                    this);
  groupName_->setObjectName("groupNameBox");
  groupName_->setMaxLength(kGroupNameLength);
  groupName_->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("WWW")) + 12);
  setTabOrder(groupValid_, groupName_);  // the name box ends the row it shares with the group's lists

  auto* layout = new QGridLayout(this);
  layout->setHorizontalSpacing(8);
  layout->addWidget(groupLabel_, 0, 0);
  layout->addWidget(groupSelector_, 0, 1);
  layout->addWidget(settingsGroup_, 1, 1);
  layout->addWidget(validLabel_, 1, 2);
  layout->addWidget(groupValid_, 1, 3);
  layout->addWidget(nameLabel_, 1, 4);
  layout->addWidget(groupName_, 1, 5);
  layout->addWidget(workGroupLabel_, 2, 0);
  layout->addWidget(workGroup_, 2, 1);
  layout->addWidget(workChannelLabel_, 2, 2, 1, 2);
  layout->addWidget(workChannel_, 2, 4, 1, 2);
  layout->setColumnStretch(6, 1);

  auto pickedNumber = [](QComboBox* list, int index) { return list->itemData(index).toInt(); };
  connect(groupSelector_, &QComboBox::activated, this,
          [=, this](int i) { emit shownGroupPicked(pickedNumber(groupSelector_, i)); });
  connect(settingsGroup_, &QComboBox::activated, this,
          [=, this](int i) { emit settingsGroupPicked(pickedNumber(settingsGroup_, i)); });
  connect(groupValid_, &QComboBox::activated, this, &GroupPanel::groupValidPicked);
  connect(groupName_, &QLineEdit::textEdited, this, &GroupPanel::groupNameEdited);
  connect(workGroup_, &QComboBox::activated, this,
          [=, this](int i) { emit workGroupPicked(pickedNumber(workGroup_, i)); });
  connect(workChannel_, &QComboBox::activated, this,
          [=, this](int i) { emit workChannelPicked(pickedNumber(workChannel_, i)); });
}

QLabel* GroupPanel::AddLabel(const char* name) {
  auto* label = new QLabel(this);
  label->setObjectName(QLatin1String(name));
  return label;
}

QComboBox* GroupPanel::AddList(const char* name) {
  auto* list = new QComboBox(this);
  list->setObjectName(QLatin1String(name));
  list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  list->setMinimumContentsLength(kGroupListCharacters);
  return list;
}

void GroupPanel::ApplyLanguage(int language) {
  groupLabel_->setText(QText(Txt::GroupLabel, language));
  validLabel_->setText(QText(Txt::GroupValidLabel, language));
  nameLabel_->setText(QText(Txt::GroupNameLabel, language));
  settingsGroup_->setAccessibleName(QText(Txt::SettingsGroupName, language));  // the list has no label of its own
  workGroupLabel_->setText(QText(Txt::WorkGroupLabel, language));
  workChannelLabel_->setText(QText(Txt::WorkChannelLabel, language));
}

void GroupPanel::Show(const RadioConfig& cfg, Band band, int shownGroup, int settingsGroup, int language) {
  ShowGroupNames(cfg, band, shownGroup, settingsGroup, language);
  ShowSettingsGroup(cfg, {band, settingsGroup}, language);
  ShowWorkChannel(cfg, band, shownGroup);
}

void GroupPanel::ShowGroupNames(const RadioConfig& cfg, Band band, int shownGroup, int settingsGroup, int language) {
  setTitle(QText(Txt::GroupLabel, language) + QStringLiteral(" -- ") +
           QString::fromStdString(GroupDisplayName(cfg, {band, shownGroup}, language)));
  auto groups = Entries(GroupSelectorEntries(cfg, band, language));
  FillNumberedList(groupSelector_, groups, shownGroup);
  FillNumberedList(settingsGroup_, groups, settingsGroup);
  FillNumberedList(workGroup_, Entries(WorkGroupEntries(cfg, band, language)), cfg.Options.WorkGroup(band));
}

// MEM and VFO groups have neither a valid flag nor a name in the radio: shown, not edited.
void GroupPanel::ShowSettingsGroup(const RadioConfig& cfg, BandGroup group, int language) {
  bool ordinary = group.number >= 1 && group.number <= OrdinaryGroupCount(group.band);
  {
    QSignalBlocker quiet(groupValid_);
    groupValid_->clear();
    groupValid_->addItems({QText(Txt::ChoiceOff, language), QText(Txt::ChoiceOn, language)});
    groupValid_->setCurrentIndex(ShownEntry(cfg.Options.GroupValid(group), 2));
  }
  std::u16string name = cfg.Options.GroupName(group);
  groupName_->setText(QString::fromStdU16String(std::u16string(Cleaned(std::u16string_view(name)))));
  groupValid_->setEnabled(ordinary);
  groupName_->setEnabled(ordinary);
}

void GroupPanel::ShowWorkChannel(const RadioConfig& cfg, Band band, int shownGroup) {
  std::vector<std::pair<QString, int>> channels;
  for (int number : ChannelNumbersInUse(cfg, {band, shownGroup}))
    channels.emplace_back(QString::fromStdString(GetCHName({band, shownGroup}, number)), number);
  FillNumberedList(workChannel_, channels, cfg.Options.WorkChannel({band, shownGroup}));
  workChannel_->setEnabled(!channels.empty());
}

}  // namespace zq
